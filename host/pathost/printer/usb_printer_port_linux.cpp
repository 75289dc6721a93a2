// USB printer-class ports on Linux (the usblp driver's /dev/usb/lpN).  The
// port is a character device: writes go to the printer, reads return what
// the printer sent back.  Any character device that behaves so will do,
// which the tests use (a pseudo-terminal in raw mode stands in).
#include "printer/usb_printer_port.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>

#include "printer/kernel_device_id.h"

namespace {

// The usblp driver's request for the printer's device ID; its header is not
// among the kernel's exported ones, so the number is spelt out here.
#define PAT_LPIOC_GET_DEVICE_ID(length) _IOC(_IOC_READ, 'P', 1, length)

// Waits up to `seconds` for the port to become readable (or writable).
bool WaitFor(int fd, short events, double seconds) {
    struct pollfd entry = {fd, events, 0};
    const int milliseconds = seconds <= 0 ? 0 : static_cast<int>(seconds * 1000) + 1;
    int ready;
    do ready = poll(&entry, 1, milliseconds);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

class UsbPrinterPort : public PrinterChannel {
public:
    UsbPrinterPort(int fd, double timeoutSeconds) : fd_(fd), timeoutSeconds_(timeoutSeconds) {}
    ~UsbPrinterPort() override { close(fd_); }
    UsbPrinterPort(const UsbPrinterPort &) = delete;
    UsbPrinterPort &operator=(const UsbPrinterPort &) = delete;

    bool Send(const std::string &text, std::string *error) override;

protected:
    bool WaitReadable(double seconds) override { return WaitFor(fd_, POLLIN, seconds); }
    ReadOutcome ReadSome(char *buffer, size_t capacity, size_t *got) override;

private:
    int fd_;
    double timeoutSeconds_;
};

bool UsbPrinterPort::Send(const std::string &text, std::string *error) {
    const auto start = std::chrono::steady_clock::now();
    size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = write(fd_, text.data() + sent, text.size() - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            *error = std::string("the port refused the query: ") + strerror(errno);
            return false;
        }
        const double left = timeoutSeconds_ - SecondsSince(start);
        if (left <= 0 || !WaitFor(fd_, POLLOUT, left)) {
            *error = "the printer did not take the query within the timeout";
            return false;
        }
    }
    return true;
}

PrinterChannel::ReadOutcome UsbPrinterPort::ReadSome(char *buffer, size_t capacity, size_t *got) {
    const ssize_t n = read(fd_, buffer, capacity);
    if (n > 0) {
        *got = static_cast<size_t>(n);
        return ReadOutcome::Data;
    }
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return ReadOutcome::Retry;
    // A printer unplugged (or the far side of a stand-in closed): EIO on a
    // pseudo-terminal, ENODEV on the driver's port.
    if (n == 0 || errno == EIO || errno == ENODEV) return ReadOutcome::Closed;
    return ReadOutcome::Failed;
}

}  // namespace

std::unique_ptr<PrinterChannel> OpenUsbPrinterPort(const std::string &devicePath, double timeoutSeconds,
                                                   std::string *error) {
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = devicePath + ": " + strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<PrinterChannel>(new UsbPrinterPort(fd, timeoutSeconds));
}

bool ReadUsbDeviceId(const std::string &devicePath, std::string *deviceId, std::string *problem) {
    std::string asked;
    const int fd = open(devicePath.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        // The driver's buffer is 1 KiB; the ioctl's size field allows up to 16 KiB.
        unsigned char buffer[1024];
        const bool answered = ioctl(fd, PAT_LPIOC_GET_DEVICE_ID(sizeof buffer), buffer) >= 0;
        const int ioctlError = errno;
        close(fd);
        if (answered && ParseKernelDeviceId(buffer, sizeof buffer, deviceId, &asked)) return true;
        if (!answered) asked = std::string("the port does not give it (") + strerror(ioctlError) + ")";
    } else {
        asked = devicePath + ": " + strerror(errno);
    }
    const char *root = getenv("PATHOST_SYSFS_ROOT");
    std::string fromSysfs;
    if (ReadSysfsDeviceId(devicePath, root != nullptr && *root != '\0' ? root : "/sys", deviceId, &fromSysfs))
        return true;
    *problem = asked + "; " + fromSysfs;
    return false;
}
