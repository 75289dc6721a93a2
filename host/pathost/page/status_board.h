// The latest view of every printer, handed from the polling thread to the
// server's threads.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "page/printer_view.h"

class StatusBoard {
public:
    // One printer per name, none polled yet.
    explicit StatusBoard(const std::vector<std::string> &names);

    void Update(size_t index, std::shared_ptr<const PrinterView> view);

    // Every printer's latest view, in the order of the names.
    std::vector<std::shared_ptr<const PrinterView>> Views() const;
    std::shared_ptr<const PrinterView> View(size_t index) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<const PrinterView>> views_;
};
