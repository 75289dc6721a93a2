// What an address opens: a printer on a USB port or on the network, each
// with its own way to the device ID.
#include <memory>

#include "printer/printer_connection.h"
#include "printer/printer_transport.h"
#include "printer/snmp_device_id.h"
#include "printer/usb_printer_port.h"

namespace {

const int kPjlPort = 9100;
const char kUsbAddressPrefix[] = "usb:";

class TcpTransport : public PrinterTransport {
public:
    TcpTransport(const std::string &host, int port, const TransportSettings &settings)
        : PrinterTransport((host.find(':') != std::string::npos ? "[" + host + "]" : host) + ":" +
                           std::to_string(port)),
          host_(host), port_(port), settings_(settings) {}

    bool AskDeviceId(std::string *deviceId, std::string *problem) override {
        SnmpSettings snmp;
        snmp.host = host_;
        snmp.port = settings_.snmpPort;
        snmp.community = settings_.community;
        snmp.version = settings_.snmpVersion;
        snmp.timeoutSeconds = settings_.timeoutSeconds;
        return FetchDeviceIdBySnmp(snmp, deviceId, problem);
    }

protected:
    std::unique_ptr<PrinterChannel> OpenChannel(std::string *error) override {
        std::unique_ptr<PrinterConnection> connection(new PrinterConnection);
        if (!connection->Connect(host_, port_, settings_.timeoutSeconds, error)) return nullptr;
        return connection;
    }

private:
    std::string host_;
    int port_;
    TransportSettings settings_;
};

class UsbTransport : public PrinterTransport {
public:
    UsbTransport(const std::string &address, const std::string &devicePath, double timeoutSeconds)
        : PrinterTransport(address), devicePath_(devicePath), timeoutSeconds_(timeoutSeconds) {}

    bool AskDeviceId(std::string *deviceId, std::string *problem) override {
        return ReadUsbDeviceId(devicePath_, deviceId, problem);
    }

protected:
    std::unique_ptr<PrinterChannel> OpenChannel(std::string *error) override {
        return OpenUsbPrinterPort(devicePath_, timeoutSeconds_, error);
    }

private:
    std::string devicePath_;
    double timeoutSeconds_;
};

}  // namespace

std::unique_ptr<PrinterTransport> OpenPrinterTransport(const std::string &address,
                                                       const TransportSettings &settings) {
    const std::string usb = kUsbAddressPrefix;
    if (address.compare(0, usb.size(), usb) == 0) {
        const std::string devicePath = address.substr(usb.size());
        if (devicePath.empty()) return nullptr;
        return std::unique_ptr<PrinterTransport>(new UsbTransport(address, devicePath, settings.timeoutSeconds));
    }
    std::string host;
    int port = 0;
    if (!SplitHostAndPort(address, kPjlPort, &host, &port)) return nullptr;
    return std::unique_ptr<PrinterTransport>(new TcpTransport(host, port, settings));
}
