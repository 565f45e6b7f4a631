// A list view in report view (comctl32's SysListView32), selected across the
// whole row. Its rows hold no text of their own: the control asks the model
// for each cell it draws (LPSTR_TEXTCALLBACK), so a sort or a changed cell
// needs only a redraw, and a row added costs one message per column.
//
// Cell tool tips come from a tool tip control of the peer's own, whose one
// tool is made again for the cell under the mouse whenever the mouse moves
// onto another cell; it asks nothing of the list view's own info tips, which
// differ between comctl32 versions.
#include "win32_peer.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "forms/list_view.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

namespace {

// Posted when the user's action took the selection off a row: a click on
// another row selects that row only after this notification.
constexpr UINT kCheckSelectionMessage = WM_APP + 3;
constexpr UINT_PTR kTipTool = 1;

}  // namespace

class ListViewPeer : public ControlPeerBase, public ListView::Peer {
public:
    explicit ListViewPeer(ListView& list) : ControlPeerBase(list), list_(list) {
        syncing_ = true;
        create(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | (list.tabStop() ? WS_TABSTOP : 0),
               WS_EX_CLIENTEDGE, "");
        SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        appendColumns();
        for (int row = 0; row < list_.listCount(); ++row) insertRow(row);
        syncing_ = false;
        syncSelection();
    }
    ~ListViewPeer() override {
        if (tips_) DestroyWindow(tips_);
    }

    void sync(Property what) override {
        if (what == Property::ToolTip) dropTip();  // the control's tip is the tip of cells without one
        else ControlPeerBase::sync(what);
    }

    void update(ListView::Aspect what) override {
        switch (what) {
            case ListView::Aspect::Columns: appendColumns(); break;
            case ListView::Aspect::Texts:
                dropTip();
                InvalidateRect(hwnd_, nullptr, FALSE);
                break;
            case ListView::Aspect::Selection: syncSelection(); break;
        }
    }

    void itemInserted(int row) override {
        holdRedrawUntilIdle();
        insertRow(row);
    }
    void itemRemoved(int row) override {
        dropTip();
        Syncing syncing(*this);
        SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
        syncSelection();
    }
    void itemsCleared() override {
        dropTip();
        Syncing syncing(*this);
        SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    }

    bool onNotify(NMHDR* header, LRESULT&) override {
        switch (header->code) {
            case LVN_GETDISPINFOW: giveText(reinterpret_cast<NMLVDISPINFOW*>(header)->item); return true;
            case LVN_ITEMCHANGED: {
                auto* change = reinterpret_cast<NMLISTVIEW*>(header);
                if (syncing_ || !(change->uChanged & LVIF_STATE)) return true;
                bool was = (change->uOldState & LVIS_SELECTED) != 0, is = (change->uNewState & LVIS_SELECTED) != 0;
                if (is && !was) list_.userSelected(change->iItem);
                else if (was && !is) PostMessageW(hwnd_, kCheckSelectionMessage, 0, 0);
                return true;
            }
            case LVN_COLUMNCLICK: list_.userColumnClicked(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem); return true;
            case NM_CLICK:
            case NM_DBLCLK: {
                int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
                if (row < 0) return false;
                if (header->code == NM_CLICK) list_.userItemClicked(row);
                else list_.userDoubleClick();
                return true;
            }
            default: return false;
        }
    }

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case kCheckSelectionMessage:
                if (SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) < 0)
                    list_.userSelected(-1);
                return 0;
            case WM_NOTIFY:  // our own tip's reports are not the list view's business
                if (reinterpret_cast<NMHDR*>(lParam)->hwndFrom == tips_) return 0;
                break;
            case WM_SIZE: {  // also sent when a scroll bar comes or goes
                LRESULT result = ControlPeerBase::handle(message, wParam, lParam);
                fillWithLastColumn();
                return result;
            }
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP: relayToTip(message, wParam, lParam); break;
            default: break;
        }
        return ControlPeerBase::handle(message, wParam, lParam);
    }

private:
    // Marks changes made by code, so that their notifications are not taken
    // for the user's.
    struct Syncing {
        explicit Syncing(ListViewPeer& peer) : peer_(peer), was_(peer.syncing_) { peer_.syncing_ = true; }
        ~Syncing() { peer_.syncing_ = was_; }
        ListViewPeer& peer_;
        bool was_;
    };

    int realColumns() const {
        return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0)),
                                             HDM_GETITEMCOUNT, 0, 0));
    }

    // Columns only ever come at the end (a new load makes a new control).
    void appendColumns() {
        const auto& columns = list_.columns();
        int first = std::max(realColumns(), 0);
        for (int i = first; i < static_cast<int>(columns.size()); ++i) {
            std::wstring caption = platform::widen(columns[static_cast<size_t>(i)].caption);
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.pszText = &caption[0];
            column.cx = toPixels(columns[static_cast<size_t>(i)].width, dpi());
            column.iSubItem = i;
            SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
            for (int row = 0; row < list_.listCount(); ++row) askForText(row, i);
        }
        fillWithLastColumn();
    }

    // The last column reaches the right edge, so that no empty header
    // section shows after it.
    void fillWithLastColumn() {
        int last = realColumns() - 1;
        if (last >= 0) SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(last), LVSCW_AUTOSIZE_USEHEADER);
    }

    void insertRow(int row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < static_cast<int>(list_.columns().size()); ++column) askForText(row, column);
    }

    // A sub-item's text also comes from the model when it is drawn.
    void askForText(int row, int column) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    void giveText(LVITEMW& item) const {
        if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
        std::wstring text;
        if (item.iItem >= 0 && item.iItem < list_.listCount()) text = platform::widen(list_.cellText(item.iItem, item.iSubItem));
        size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
        std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), item.pszText);
        item.pszText[length] = L'\0';
    }

    // The real selection (and the keyboard's place) on the model's row.
    void syncSelection() {
        Syncing syncing(*this);
        int row = list_.selectedIndex();
        auto old = static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        if (old >= 0 && old != row) SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(old), reinterpret_cast<LPARAM>(&state));
        if (row < 0) return;
        state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }

    // Before the tip control sees a mouse move onto another cell, its tool is
    // made again with that cell's tip (or the control's own), so that the tip
    // shows anew after the usual pause.
    // The tip window is made at the first mouse message: a list never pointed
    // at never pays for one.
    void relayToTip(UINT message, WPARAM wParam, LPARAM lParam) {
        if (!tips_) {
            tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
            if (!tips_) return;
            SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
        }
        if (message == WM_MOUSEMOVE) {
            LVHITTESTINFO hit{};
            hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            SendMessageW(hwnd_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            int row = hit.iItem >= 0 && hit.iItem < list_.listCount() ? hit.iItem : -1;
            int column = row >= 0 ? hit.iSubItem : -1;
            if (row != tipRow_ || column != tipColumn_) showTipFor(row, column);
        }
        MSG relayed{};  // the tip control reads only the window, message and position
        relayed.hwnd = hwnd_;
        relayed.message = message;
        relayed.wParam = wParam;
        relayed.lParam = lParam;
        SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }

    void showTipFor(int row, int column) {
        dropTip();
        tipRow_ = row;
        tipColumn_ = column;
        std::string text = row >= 0 ? list_.cellToolTip(row, column) : std::string();
        if (text.empty()) text = list_.toolTip();
        if (text.empty()) return;
        std::wstring wide = platform::widen(text);
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V1_SIZE;
        info.hwnd = hwnd_;
        info.uId = kTipTool;
        GetClientRect(hwnd_, &info.rect);
        info.lpszText = &wide[0];
        tipAdded_ = SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }

    void dropTip() {
        tipRow_ = tipColumn_ = -2;  // no cell: the next mouse move makes the tool again
        if (!tipAdded_) return;
        tipAdded_ = false;
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V1_SIZE;
        info.hwnd = hwnd_;
        info.uId = kTipTool;
        SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }

    ListView& list_;
    HWND tips_ = nullptr;
    bool tipAdded_ = false;
    int tipRow_ = -2, tipColumn_ = -2;
};

}  // namespace forms::win32

std::unique_ptr<forms::ListView::Peer> forms::makePeer(ListView& list) { return std::make_unique<win32::ListViewPeer>(list); }
