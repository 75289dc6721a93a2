// The reference host's own parts: its command line, the reading of a
// printer address, the counting of the questions it waits answers for, and
// the conversion of the library's texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/host_files.h"
#include "commands/host_options.h"
#include "library/poll_cycle.h"
#include "library/text_encoding.h"
#include "printer/kernel_device_id.h"
#include "printer/printer_connection.h"

namespace {

bool Parse(std::vector<std::string> words, HostOptions *options, std::string *error) {
    words.insert(words.begin(), "pathost");
    std::vector<char *> argv;
    for (std::string &word : words) argv.push_back(&word[0]);
    return ParseHostOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(HostOptions, PollWithEveryOption) {
    HostOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"poll", "printer.local:9101", "--lang", "en,ZH_CN", "--source", "0x80000001", "--flags",
                       "0x10", "--timeout", "2.5", "--device-id", "MFG:X;", "--picture", "p.png", "--lib", "l.so"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.address, "printer.local:9101");
    EXPECT_EQ(o.languages, (std::vector<std::string>{"en", "ZH_CN"}));
    EXPECT_EQ(o.sourceType, 0x80000001u);
    EXPECT_EQ(o.queryFlags, 0x10u);
    EXPECT_DOUBLE_EQ(o.timeoutSeconds, 2.5);
    EXPECT_TRUE(o.deviceIdGiven);
    EXPECT_EQ(o.deviceId, "MFG:X;");
    EXPECT_EQ(o.picturePath, "p.png");
    EXPECT_EQ(o.libraryPath, "l.so");
}

TEST(HostOptions, AllLanguagesAndDefaults) {
    HostOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"replay", "--reply", "r.txt", "--lang", "all"}, &o, &error)) << error;
    EXPECT_EQ(o.languages.size(), 17u);
    EXPECT_EQ(o.queryFlags, kDefaultQueryFlags);
    EXPECT_EQ(o.sourceType, 1u);
    EXPECT_FALSE(o.deviceIdGiven);
}

TEST(HostOptions, WatchEqualsFormsAndHelp) {
    HostOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"watch", "a:9100", "[::1]:9101", "--interval=0.5", "--json", "--community=c", "--snmp-port",
                       "1161", "--snmp-version=1"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.printers, (std::vector<std::string>{"a:9100", "[::1]:9101"}));
    EXPECT_DOUBLE_EQ(o.intervalSeconds, 0.5);
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.community, "c");
    EXPECT_EQ(o.snmpPort, 1161);
    EXPECT_EQ(o.snmpVersion, 1);
    HostOptions help;
    EXPECT_TRUE(Parse({"--help"}, &help, &error));
    EXPECT_TRUE(help.help);
}

TEST(HostOptions, ServeWithADeviceIdFilePerPrinter) {
    HostOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"serve", "a:9100", "b:9101", "--port", "0", "--bind=::1", "--device-id-file", "a.id",
                       "--device-id-file=b.id", "--interval", "2"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.printers, (std::vector<std::string>{"a:9100", "b:9101"}));
    EXPECT_EQ(o.httpPort, 0);
    EXPECT_EQ(o.bindAddress, "::1");
    EXPECT_EQ(DeviceIdFileOf(o, 0), "a.id");
    EXPECT_EQ(DeviceIdFileOf(o, 1), "b.id");
    HostOptions defaults;
    ASSERT_TRUE(Parse({"serve", "a", "--device-id-file", "all.id"}, &defaults, &error)) << error;
    EXPECT_EQ(defaults.httpPort, 8080);
    EXPECT_EQ(defaults.bindAddress, "127.0.0.1");
    EXPECT_EQ(DeviceIdFileOf(defaults, 0), "all.id");
    HostOptions none;
    ASSERT_TRUE(Parse({"watch", "a", "b"}, &none, &error)) << error;
    EXPECT_EQ(DeviceIdFileOf(none, 1), "");
}

TEST(HostOptions, MistakesAreNamed) {
    const struct { std::vector<std::string> words; const char *error; } cases[] = {
        {{}, "no command given"},
        {{"print"}, "unknown command print"},
        {{"poll"}, "poll needs HOST[:PORT]"},
        {{"watch"}, "watch needs HOST[:PORT]..."},
        {{"serve", "--port", "8000"}, "serve needs HOST[:PORT]..."},
        {{"serve", "h", "--port", "65536"}, "bad value for --port: \"65536\" (a whole number from 0 to 65535 expected)"},
        {{"serve", "h", "--port", "-1"}, "bad value for --port: \"-1\" (a whole number from 0 to 65535 expected)"},
        {{"serve", "h", "--bind="}, "bad value for --bind: \"\" (an address expected)"},
        {{"watch", "a", "b", "c", "--device-id-file", "a.id", "--device-id-file", "b.id"},
         "--device-id-file is given 2 times for 3 printers (once for all, or once per printer)"},
        {{"poll", "a", "--device-id-file", "a.id", "--device-id-file", "b.id"},
         "--device-id-file is given 2 times for 1 printer (once for all, or once per printer)"},
        {{"replay"}, "replay needs --reply FILE"},
        {{"status", "--lang", "EN"}, "status needs --state FILE"},
        {{"poll", "h", "extra"}, "unexpected argument extra"},
        {{"poll", "h", "--colour", "red"}, "Option \"colour\" does not exist"},
        {{"poll", "h", "--timeout"}, "Option \"timeout\" is missing an argument"},
        {{"poll", "h", "--timeout", "0"},
         "bad value for --timeout: \"0\" (seconds, more than 0 and at most 3600 expected)"},
        {{"poll", "h", "--flags", "0x1G"},
         "bad value for --flags: \"0x1G\" (a number from 0 to 0xFFFFFFFF (decimal or 0x hex) expected)"},
        {{"poll", "h", "--source", "-1"},
         "bad value for --source: \"-1\" (a number from 0 to 0xFFFFFFFF (decimal or 0x hex) expected)"},
        {{"poll", "h", "--source=-1"},
         "bad value for --source: \"-1\" (a number from 0 to 0xFFFFFFFF (decimal or 0x hex) expected)"},
        {{"poll", "h", "--flags=0x100000000"},
         "bad value for --flags: \"0x100000000\" (a number from 0 to 0xFFFFFFFF (decimal or 0x hex) expected)"},
        {{"poll", "h", "--snmp-port", "80.5"},
         "bad value for --snmp-port: \"80.5\" (a whole number from 1 to 65535 expected)"},
        {{"poll", "h", "--snmp-version", "3"}, "bad value for --snmp-version: \"3\" (1 or 2c expected)"},
        {{"poll", "h", "--lang", ","}, "bad value for --lang: \",\" (a list of language names, or all expected)"},
        {{"poll", "h", "--json=maybe"}, "Argument \"maybe\" failed to parse"},
    };
    for (const auto &c : cases) {
        HostOptions o;
        std::string error;
        EXPECT_FALSE(Parse(c.words, &o, &error));
        EXPECT_EQ(error, c.error);
    }
}

// The kernel's buffer: a two-byte big-endian length that counts itself,
// then the ID; the buffer is usually larger than the ID.
TEST(KernelDeviceId, LengthPrefixedBuffer) {
    const std::string id = "MFG:X;MDL:Y;";
    std::string buffer = std::string(1, '\0') + char(id.size() + 2) + id + std::string(50, 'Z');
    std::string deviceId, problem;
    ASSERT_TRUE(ParseKernelDeviceId(reinterpret_cast<const unsigned char *>(buffer.data()), buffer.size(), &deviceId,
                                    &problem))
        << problem;
    EXPECT_EQ(deviceId, id);

    struct Bad {
        std::string bytes;
        const char *why;
    };
    for (const Bad &bad : std::vector<Bad>{{std::string("\0\0", 2), "length 0"},
                                           {std::string("\0\1", 2), "length 1"},
                                           {std::string("\0\2", 2), "only the prefix"},
                                           {std::string("\0", 1), "no room for the length"},
                                           {std::string("\0\x10MFG:X;", 8), "longer than the buffer"},
                                           {std::string("\xff\xffMFG:X;", 8), "far longer than the buffer"}}) {
        deviceId = "untouched";
        problem.clear();
        EXPECT_FALSE(ParseKernelDeviceId(reinterpret_cast<const unsigned char *>(bad.bytes.data()), bad.bytes.size(),
                                         &deviceId, &problem))
            << bad.why;
        EXPECT_EQ(deviceId, "untouched") << bad.why;
        EXPECT_FALSE(problem.empty()) << bad.why;
    }
}

// The sysfs file under a fixture root standing in for /sys.
TEST(KernelDeviceId, SysfsFileOfThePort) {
    std::string root = ::testing::TempDir() + "kernel_device_id_sysfs";
    std::string folder = root + "/class/usbmisc/lp3/device";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(WriteWholeFile(folder + "/ieee1284_id", "MFG:X;MDL:Y;\n"));
    std::string deviceId, problem;
    ASSERT_TRUE(ReadSysfsDeviceId("/dev/usb/lp3", root, &deviceId, &problem)) << problem;
    EXPECT_EQ(deviceId, "MFG:X;MDL:Y;");

    EXPECT_FALSE(ReadSysfsDeviceId("/dev/usb/lp4", root, &deviceId, &problem));
    EXPECT_NE(problem.find("lp4"), std::string::npos) << problem;
    ASSERT_TRUE(WriteWholeFile(folder + "/ieee1284_id", "\n"));
    EXPECT_FALSE(ReadSysfsDeviceId("/dev/usb/lp3", root, &deviceId, &problem));
    EXPECT_FALSE(ReadSysfsDeviceId("/dev/usb/", root, &deviceId, &problem));
}

TEST(PrinterAddress, HostAndOptionalPort) {
    const struct { const char *address; bool ok; const char *host; int port; } cases[] = {
        {"127.0.0.1", true, "127.0.0.1", 9100}, {"printer:9101", true, "printer", 9101},
        {"printer:0", false, "", 0},            {"printer:65536", false, "", 0},
        {"printer:", false, "", 0},             {":9100", false, "", 0},
        {"printer:91a", false, "", 0},          {"[::1]:9101", true, "::1", 9101},
        {"[fe80::1]", true, "fe80::1", 9100},   {"::1", true, "::1", 9100},
        {"[::1]9100", false, "", 0},            {"[::1", false, "", 0},
        {"[]:9100", false, "", 0},
    };
    for (const auto &c : cases) {
        std::string host;
        int port = 0;
        EXPECT_EQ(SplitHostAndPort(c.address, 9100, &host, &port), c.ok) << c.address;
        if (c.ok) {
            EXPECT_EQ(host, c.host);
            EXPECT_EQ(port, c.port);
        }
    }
}

TEST(QueryRequests, EveryCommandLineWithAnArgumentIsOneAnswer) {
    EXPECT_EQ(CountRequests(""), 0);
    EXPECT_EQ(CountRequests("\x1B%-12345X@PJL\r\n\x1B%-12345X"), 0);
    EXPECT_EQ(CountRequests("\x1B%-12345X@PJL\r\n@PJL INFO CONFIG\r\n@PJL INQUIRE INTRAY1SIZE\r\n"
                            "@PJL INFO OUTBINSTATUS\r\n\x1B%-12345X"),
              3);
    EXPECT_EQ(CountRequests("\x1B%-12345X@PJL INFO ZEMA\r\n\x1B%-12345X"), 1);
}

TEST(TextEncoding, LibraryTextsBecomeUtf8) {
    EXPECT_EQ(AnsiCodePageOf("jp"), 932u);
    EXPECT_EQ(AnsiCodePageOf("PL"), 1250u);
    EXPECT_EQ(AnsiCodePageOf("DE"), 1252u);
    EXPECT_EQ(AnsiToUtf8("Schlie\xDF" "en", 1252), "Schlie\xC3\x9F" "en");
    EXPECT_EQ(AnsiToUtf8("\xB9", 1250), "\xC4\x85");           // a with ogonek
    EXPECT_EQ(AnsiToUtf8("\x83\x67\x83\x8C\x83\x43", 932), "\xE3\x83\x88\xE3\x83\xAC\xE3\x82\xA4");
    EXPECT_EQ(AnsiToUtf8("A\x81", 932), "A\xEF\xBF\xBD");      // a lead byte without its trail
    EXPECT_EQ(DisplayLength("\xE3\x83\x88\xE3\x83\xAC x"), 4u);
}

}  // namespace
