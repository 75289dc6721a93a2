#include "page/status_board.h"

StatusBoard::StatusBoard(const std::vector<std::string> &names) {
    for (const std::string &name : names) {
        std::shared_ptr<PrinterView> view = std::make_shared<PrinterView>();
        view->name = name;
        views_.push_back(view);
    }
}

void StatusBoard::Update(size_t index, std::shared_ptr<const PrinterView> view) {
    std::lock_guard<std::mutex> lock(mutex_);
    views_.at(index) = std::move(view);
}

std::vector<std::shared_ptr<const PrinterView>> StatusBoard::Views() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return views_;
}

std::shared_ptr<const PrinterView> StatusBoard::View(size_t index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return views_.at(index);
}
