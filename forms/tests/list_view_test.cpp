// Event rules of the list view: selection by code and by the user, clicks on
// rows and columns, rows coming and going, cells and the one-shot sort.
#include <gtest/gtest.h>

#include "test_driver.hpp"
#include "forms/list_view.hpp"
#include "forms/text_box.hpp"

using Trace = std::vector<std::string>;

namespace {

struct BookWindow : forms::Window {
    explicit BookWindow(forms::App& app) : Window(app, "Book") {}
    forms::TextBox other{*this, "txtOther"};
    forms::ListView book{*this, "lvwBook"};

protected:
    void design() override {
        book.setBounds({120, 600, 6000, 2400});  // placed, so that the Win32 driver can click it
        book.addColumn("Name", 1800);
        book.addColumn("Description", 3000);
        book.addItem({{"pc1", "first"}, {"one", "the first"}});
        book.addItem({{"pc2", ""}, {"two", ""}});
        book.addItem({{"pc3", ""}});
    }
};

struct ListViewTest : ::testing::Test {
    forms::App app{"Test"};
    BookWindow window{app};
    forms::ListView& book = window.book;
    TestDriver user{app};
    void SetUp() override { window.show(); }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (int i = 0; i < book.listCount(); ++i) out.push_back(book.itemText(i));
        return out;
    }
};

TEST_F(ListViewTest, SelectionAndClicksRaiseTheirEventsInOrder) {
    book.onSelect = [&](const forms::ChangeEvent&) { app.record("selected " + book.text()); };
    book.onItemClick = [&](int row) { app.record("clicked " + std::to_string(row) + " " + book.text()); };
    book.onColumnClick = [&](int column) { app.record("column " + std::to_string(column)); };
    window.other.setFocus();
    app.startTrace();
    book.setSelectedIndex(1);
    book.setSelectedIndex(1);  // no change, no event
    user.clickItem(book, 2);
    user.clickItem(book, 2);  // the selected row again: only the click
    user.doubleClick(book, 0);
    user.clickColumn(book, 1);
    book.setSelectedIndex(7);  // out of range: no selection
    book.setSelectedIndex(-1);
    const Trace expected{"lvwBook.Select(code)", "selected pc2",
                         "txtOther.LostFocus", "lvwBook.GotFocus",
                         "lvwBook.Select(user)", "selected pc3", "lvwBook.ItemClick", "clicked 2 pc3",
                         "lvwBook.ItemClick", "clicked 2 pc3",
                         "lvwBook.Select(user)", "selected pc1", "lvwBook.ItemClick", "clicked 0 pc1", "lvwBook.DblClick",
                         "lvwBook.ColumnClick", "column 1",
                         "lvwBook.Select(code)", "selected "};
    std::string whole;
    for (const auto& entry : app.trace()) whole += entry + "\n";
    EXPECT_EQ(expected, app.trace()) << whole;
    EXPECT_THROW(user.clickColumn(book, 2), std::out_of_range);
}

TEST_F(ListViewTest, SelectionStaysOnItsRowOrGoesWithItSilently) {
    int events = 0;
    book.onSelect = [&](const forms::ChangeEvent&) { ++events; };
    book.setSelectedIndex(2);
    events = 0;
    book.removeItem(0);
    EXPECT_EQ(1, book.selectedIndex());
    EXPECT_EQ("pc3", book.text());
    book.addItem("pc4");
    book.removeItem(0);
    EXPECT_EQ(0, book.selectedIndex());
    book.removeItem(0);
    EXPECT_EQ(-1, book.selectedIndex());
    book.setSelectedIndex(0);
    book.clear();
    EXPECT_EQ(-1, book.selectedIndex());
    EXPECT_EQ(0, book.listCount());
    EXPECT_EQ(1, events);  // only the selection set by code
}

TEST_F(ListViewTest, SortIgnoresCaseKeepsTiesAndTheSelectionOnce) {
    book.clear();
    for (const char* name : {"bob", "Carl", "alice", "Bob", "", "Alice"}) book.addItem({{name, name}, {"x", ""}});
    book.setCellText(2, 1, "a");  // alice sorts first by description
    book.setSelectedIndex(3);     // Bob
    int events = 0;
    book.onSelect = [&](const forms::ChangeEvent&) { ++events; };
    book.sortByColumn(0);
    EXPECT_EQ((std::vector<std::string>{"", "alice", "Alice", "bob", "Bob", "Carl"}), names());
    EXPECT_EQ("Bob", book.text());
    EXPECT_EQ(4, book.selectedIndex());
    EXPECT_EQ("Alice", book.cellToolTip(2, 0));  // tips travel with their rows
    book.sortByColumn(1);
    EXPECT_EQ((std::vector<std::string>{"alice", "", "Alice", "bob", "Bob", "Carl"}), names());
    book.addItem("Aaron");
    EXPECT_EQ("Aaron", book.itemText(6));  // no lasting order
    EXPECT_EQ(0, events);
}

// A click on the empty space below the rows clears the selection, unless the
// list keeps it: then the row stays selected wherever a sort moved it, and
// nothing is raised.
TEST_F(ListViewTest, AClickBesideTheRowsClearsTheSelectionUnlessTheListKeepsIt) {
    book.onSelect = [&](const forms::ChangeEvent&) { app.record("selected " + book.text()); };
    user.clickItem(book, 0);
    app.startTrace();
    user.clickBesideRows(book);
    EXPECT_EQ((Trace{"lvwBook.Select(user)", "selected "}), app.trace());

    book.setKeepSelection(true);
    user.clickItem(book, 0);
    book.sortByColumn(1);  // by description: pc3 (none), pc1 (one), pc2 (two)
    app.startTrace();
    user.clickBesideRows(book);
    EXPECT_EQ(Trace{}, app.trace());
    EXPECT_EQ(1, book.selectedIndex());
    EXPECT_EQ("pc1", book.text());
    user.clickItem(book, 2);  // the user can still pick another row
    EXPECT_EQ("pc2", book.text());
}

TEST_F(ListViewTest, CellsKeepTheirOwnTextsAndTipsAndColumnsComeFromDesignOnly) {
    EXPECT_EQ("first", book.cellToolTip(0, 0));
    EXPECT_EQ("the first", book.cellToolTip(0, 1));
    EXPECT_EQ("", book.cellText(2, 1));  // a row may have fewer cells than columns
    book.setCellToolTip(2, 1, "third");
    book.setCellText(1, 0, "PC2");
    EXPECT_EQ("third", book.cellToolTip(2, 1));
    EXPECT_EQ("", book.cellToolTip(2, 0));
    EXPECT_EQ("PC2", book.itemText(1));
    EXPECT_EQ("two", book.cellText(1, 1));
    EXPECT_THROW(book.cellText(3, 0), std::out_of_range);

    forms::Window keeper{app, "Keeper"};  // keeps the program alive while the book reloads
    keeper.show();
    window.unload();
    window.show();
    EXPECT_EQ(2u, book.columns().size());
    EXPECT_EQ(3, book.listCount());
    EXPECT_EQ("pc2", book.itemText(1));
}

}  // namespace
