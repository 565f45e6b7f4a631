// A status bar: one part per panel, along the bottom of the window.
#include "win32_peer.hpp"

#include <commctrl.h>

#include <vector>

#include "forms/status_bar.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

class StatusBarPeer : public ControlPeerBase {
public:
    explicit StatusBarPeer(StatusBar& bar) : ControlPeerBase(bar), bar_(bar) {
        create(STATUSCLASSNAMEW, CCS_BOTTOM, 0, "");
        applyPanels();
    }

    void sync(Property what) override {
        switch (what) {
            case Property::Items: applyPanels(); break;
            case Property::Text: applyTexts(); break;
            case Property::Bounds: break;  // it places itself along the bottom
            default: ControlPeerBase::sync(what); break;
        }
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

std::unique_ptr<ControlPeer> makeStatusBarPeer(StatusBar& bar) { return std::make_unique<StatusBarPeer>(bar); }

}  // namespace forms::win32
