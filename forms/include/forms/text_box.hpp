#pragma once
// A text box: single-line or multi-line, plain or rich (a rich box is read
// and written as plain text). Line breaks in the text are CR LF.
//
// Events:
//   setText() by code    -> onChange{Code} when the text differs
//   user's typing        -> onKeyDown, onKeyPress, then onChange{User}, onKeyUp
//   maxLength            -> the user cannot type past it; code can set any text
#include <string>

#include "forms/control.hpp"

namespace forms {

enum class ScrollBars { None, Horizontal, Vertical, Both };

class TextBox : public Control {
public:
    TextBox(Window& window, std::string name);

    // What the backend mirrors of a text box besides the common properties.
    enum class Aspect { Text, ReadOnly, MaxLength };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    std::string text() const override { return text_; }
    void setText(const std::string& text);

    bool multiLine() const { return multiLine_; }
    // The real box takes these three when it is made: changed later, it is made again.
    void setMultiLine(bool on);
    bool rich() const { return rich_; }
    void setRich(bool on);
    ScrollBars scrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBars bars);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on);
    // Most characters the user may type (UTF-16 units); 0 means no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    std::function<void(const ChangeEvent&)> onChange;

    // The user changed the text (a backend reports the new whole text).
    void userEdited(const std::string& text);

    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }
    void raiseChange(Origin origin);

    std::string text_;
    bool multiLine_ = false;
    bool rich_ = false;
    ScrollBars scrollBars_ = ScrollBars::None;
    bool readOnly_ = false;
    int maxLength_ = 0;
};

// Made by the backend linked into the program.
std::unique_ptr<TextBox::Peer> makePeer(TextBox& box);

}  // namespace forms
