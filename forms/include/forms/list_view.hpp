#pragma once
// A list view in report view: captioned columns, rows of an item and its
// sub-items, each cell with a tool tip of its own, and one selected row
// (-1: none), highlighted across the whole row.
//
// Cells are addressed by column: column 0 is the item itself, column k its
// k-th sub-item. A row may have fewer cells than there are columns; the
// missing ones read as empty.
//
// Events:
//   setSelectedIndex() by code -> onSelect{Code} when the selection changes
//   the user selects a row (mouse or keys) -> onSelect{User}
//   the user clicks a row       -> onSelect{User} when that row was not selected,
//                                  then onItemClick(row)
//   the user double-clicks a row -> the click above, then onDoubleClick
//   the user clicks a column header -> onColumnClick(column)
//   the user clicks beside the rows -> onSelect{User} with no row selected,
//                                  unless the list keeps its selection
//   adding, removing, clearing, changing cells and sorting raise nothing:
//   the selection stays on its row (a sort brings it into view), or goes
//   (-1) without an event when its row goes.
#include <string>
#include <vector>

#include "forms/control.hpp"
#include "forms/item_list.hpp"

namespace forms {

struct ListColumn {
    std::string caption;
    int width = 1440;  // twips
};

struct ListCell {
    std::string text;
    std::string toolTip;
};

class ListView : public Control {
public:
    ListView(Window& window, std::string name);

    // What the backend mirrors of a list view besides its rows (inserted,
    // removed, cleared one notification at a time) and the common properties.
    // Texts: cells changed or rows reordered; the rows themselves stay.
    enum class Aspect { Columns, Texts, Selection };
    class Peer : public ItemsPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    // The selected row's item text, or "" with no selection.
    std::string text() const override;

    const std::vector<ListColumn>& columns() const { return columns_; }
    void addColumn(const std::string& caption, int width);

    int listCount() const { return static_cast<int>(rows_.size()); }
    // Adds a row at the end: its item first, then its sub-items. Returns its index.
    int addItem(std::vector<ListCell> cells);
    int addItem(const std::string& text) { return addItem({ListCell{text, {}}}); }
    void removeItem(int row);
    void clear();

    // Empty for a missing cell; a row out of range throws std::out_of_range.
    const std::string& cellText(int row, int column) const;
    const std::string& cellToolTip(int row, int column) const;
    void setCellText(int row, int column, const std::string& text);
    void setCellToolTip(int row, int column, const std::string& toolTip);
    const std::string& itemText(int row) const { return cellText(row, 0); }

    int selectedIndex() const { return selected_; }
    void setSelectedIndex(int row);
    // Whether the user may clear the selection: when kept, a click beside the
    // rows leaves the selected row selected (wherever a sort has moved it),
    // with no event. Code still can. Off at each load.
    bool keepsSelection() const { return keepSelection_; }
    void setKeepSelection(bool on) { keepSelection_ = on; }

    // Puts the rows in ascending order of one column's text, once: compared
    // without regard to case, rows with equal texts keep their order. Rows
    // added later go to the end.
    void sortByColumn(int column);

    std::function<void(const ChangeEvent&)> onSelect;
    std::function<void(int row)> onItemClick;
    std::function<void(int column)> onColumnClick;

    // Reports of the user's actions.
    void userSelected(int row);
    void userItemClicked(int row);
    void userColumnClicked(int column);

    void reset() override;

private:
    using Row = std::vector<ListCell>;
    std::unique_ptr<ControlPeer> createPeer() override;
    Peer* listPeer() const { return kindPeer<Peer>(); }
    void update(Aspect what) {
        if (auto* peer = listPeer()) peer->update(what);
    }
    ListCell& cell(int row, int column);
    void raiseSelect(Origin origin);

    std::vector<ListColumn> columns_;
    std::vector<Row> rows_;
    int selected_ = -1;
    bool keepSelection_ = false;
};

// Made by the backend linked into the program.
std::unique_ptr<ListView::Peer> makePeer(ListView& list);

}  // namespace forms
