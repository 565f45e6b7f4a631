#include "forms/list_view.hpp"

#include <algorithm>
#include <stdexcept>

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

ListView::ListView(Window& window, std::string name) : Control(window, std::move(name)) {}

void ListView::reset() {
    Control::reset();
    columns_.clear();
    rows_.clear();
    selected_ = -1;
    keepSelection_ = false;
}

std::string ListView::text() const { return selected_ < 0 ? std::string() : itemText(selected_); }

void ListView::addColumn(const std::string& caption, int width) {
    columns_.push_back(ListColumn{caption, width});
    update(Aspect::Columns);
}

int ListView::addItem(std::vector<ListCell> cells) {
    if (cells.empty()) cells.emplace_back();
    rows_.push_back(std::move(cells));
    int row = listCount() - 1;
    if (auto* peer = listPeer()) peer->itemInserted(row);
    return row;
}

void ListView::removeItem(int row) {
    if (row < 0 || row >= listCount()) return;
    rows_.erase(rows_.begin() + row);
    if (selected_ == row) selected_ = -1;
    else if (selected_ > row) --selected_;
    if (auto* peer = listPeer()) peer->itemRemoved(row);
}

void ListView::clear() {
    if (rows_.empty()) return;
    rows_.clear();
    selected_ = -1;
    if (auto* peer = listPeer()) peer->itemsCleared();
}

const std::string& ListView::cellText(int row, int column) const {
    static const std::string none;
    const Row& cells = rows_.at(static_cast<size_t>(row));
    return column >= 0 && column < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(column)].text : none;
}

const std::string& ListView::cellToolTip(int row, int column) const {
    static const std::string none;
    const Row& cells = rows_.at(static_cast<size_t>(row));
    return column >= 0 && column < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(column)].toolTip : none;
}

ListCell& ListView::cell(int row, int column) {
    if (column < 0) throw std::out_of_range("no column " + std::to_string(column) + " in " + name());
    Row& cells = rows_.at(static_cast<size_t>(row));
    if (column >= static_cast<int>(cells.size())) cells.resize(static_cast<size_t>(column) + 1);
    return cells[static_cast<size_t>(column)];
}

void ListView::setCellText(int row, int column, const std::string& text) {
    std::string& current = cell(row, column).text;
    if (current == text) return;
    current = text;
    update(Aspect::Texts);
}

// The backend asks for a cell's tip when the mouse rests on it, so a new tip
// needs no peer call.
void ListView::setCellToolTip(int row, int column, const std::string& toolTip) {
    cell(row, column).toolTip = toolTip;
}

void ListView::setSelectedIndex(int row) {
    if (row < -1 || row >= listCount()) row = -1;
    if (row == selected_) return;
    selected_ = row;
    update(Aspect::Selection);
    raiseSelect(Origin::Code);
}

void ListView::sortByColumn(int column) {
    if (rows_.size() < 2) return;
    // Sorts the row positions, so that the selection follows its row.
    std::vector<size_t> order(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return lessIgnoringCase(cellText(static_cast<int>(a), column), cellText(static_cast<int>(b), column));
    });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    int selected = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows_[order[i]]));
        if (static_cast<int>(order[i]) == selected_) selected = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    selected_ = selected;
    update(Aspect::Texts);
    // Also when it kept its place: the selected row is brought into view.
    if (selected_ >= 0) update(Aspect::Selection);
}

void ListView::userSelected(int row) {
    App::Dispatch dispatch(window().app());
    if (row < -1 || row >= listCount() || row == selected_) return;
    if (row == -1 && keepSelection_) {
        update(Aspect::Selection);  // the real control shows the kept row selected again
        return;
    }
    selected_ = row;
    raiseSelect(Origin::User);
}

void ListView::userItemClicked(int row) {
    App::Dispatch dispatch(window().app());
    if (row < 0 || row >= listCount() || !enabled() || !window().loaded()) return;
    record("ItemClick");
    if (onItemClick) onItemClick(row);
}

void ListView::userColumnClicked(int column) {
    App::Dispatch dispatch(window().app());
    if (column < 0 || column >= static_cast<int>(columns_.size()) || !enabled() || !window().loaded()) return;
    record("ColumnClick");
    if (onColumnClick) onColumnClick(column);
}

void ListView::raiseSelect(Origin origin) {
    record(origin == Origin::User ? "Select(user)" : "Select(code)");
    if (onSelect) onSelect(ChangeEvent{origin});
}

std::unique_ptr<ControlPeer> ListView::createPeer() { return makePeer(*this); }

}  // namespace forms
