// A status bar: one part per panel, along the bottom of the window.
#include "win32_peer.hpp"

#include <commctrl.h>

#include <vector>

#include "forms/status_bar.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

class StatusBarPeer : public ControlPeerBase, public StatusBar::Peer, public OwnerMessageHook {
public:
    explicit StatusBarPeer(StatusBar& bar) : ControlPeerBase(bar), bar_(bar) {
        create(STATUSCLASSNAMEW, CCS_BOTTOM, 0, "");
        applyPanels();
    }

    void update(StatusBar::Aspect what) override {
        if (what == StatusBar::Aspect::Panels) applyPanels();
        else applyTexts();
    }

    void sync(Property what) override {
        if (what != Property::Bounds) ControlPeerBase::sync(what);  // it places itself along the bottom
    }

    // Status bars place themselves along the bottom when told of a new size.
    bool onOwnerMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == WM_SIZE) SendMessageW(hwnd_, WM_SIZE, 0, 0);
        return false;
    }

private:
    void applyPanels() {
        const auto& panels = bar_.panels();
        std::vector<int> edges;
        int right = 0;
        for (size_t i = 0; i < panels.size(); ++i) {
            bool last = i + 1 == panels.size();
            right += toPixels(panels[i].width, dpi());
            edges.push_back(last || panels[i].width == 0 ? -1 : right);
        }
        if (edges.empty()) edges.push_back(-1);
        SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        applyTexts();
    }

    void applyTexts() {
        const auto& panels = bar_.panels();
        for (size_t i = 0; i < panels.size(); ++i)
            SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(platform::widen(panels[i].text).c_str()));
    }

    StatusBar& bar_;
};

}  // namespace forms::win32

std::unique_ptr<forms::StatusBar::Peer> forms::makePeer(StatusBar& bar) { return std::make_unique<win32::StatusBarPeer>(bar); }
