#pragma once
// A text box: single-line or multi-line, plain or rich (a rich box is read
// and written as plain text). Line breaks in the text are CR LF.
//
// Events:
//   setText() by code    -> onChange{Code} when the text differs
//   user's typing        -> onKeyDown, onKeyPress, then onChange{User}, onKeyUp
//   another program sets the text (WM_SETTEXT: automation and accessibility
//                           tools) -> onChange{Outside} when it differs, once,
//                           for every kind of box; the caret goes to the start
//   maxLength            -> the user cannot type past it; code can set any text
//   replaceSelection()   -> onChange{User}: it is the user's own edit (a paste
//                           or cut chosen from a menu), made through code
//   select(), selectAll() and the user's selecting raise nothing
#include <string>

#include "forms/control.hpp"

namespace forms {

enum class ScrollBars { None, Horizontal, Vertical, Both };

class TextBox : public Control {
public:
    TextBox(Window& window, std::string name);

    // What the backend mirrors of a text box besides the common properties.
    enum class Aspect { Text, ReadOnly, MaxLength };
    // Positions as the user sees them: one per character, one per CR LF line
    // break. An empty selection is the caret.
    struct Selection {
        int start = 0;
        int length = 0;
    };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
        // The real box's selection, where one exists (its user selects without
        // telling anyone); false leaves the model's own.
        virtual bool readSelection(Selection& /*selection*/) const { return false; }
        // Selects in the real box (after a new text, which leaves the caret at its end).
        virtual void writeSelection(const Selection& /*selection*/) {}
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

    // The selection, clamped to the text. setText() leaves the caret after the
    // new text, so that the next key adds to it.
    Selection selection() const;
    int selStart() const { return selection().start; }
    int selLength() const { return selection().length; }
    std::string selectedText() const;
    void select(int start, int length);
    void selectAll();
    // Puts text in place of the selection (at the caret when nothing is
    // selected) and leaves the caret after it.
    void replaceSelection(const std::string& text);

    std::function<void(const ChangeEvent&)> onChange;

    // The user changed the text (a backend reports the new whole text), the
    // caret then at caretAfter when the backend keeps no selection itself.
    void userEdited(const std::string& text, int caretAfter = -1);
    // Another program set the text of the real box (the backend reports it).
    void textSetOutside(const std::string& text);
    // The user selected (headless: the driver; a real box is asked instead).
    void userSelected(int start, int length);

    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }
    void raiseChange(Origin origin);
    Selection clamped(Selection selection) const;

    std::string text_;
    bool multiLine_ = false;
    bool rich_ = false;
    ScrollBars scrollBars_ = ScrollBars::None;
    bool readOnly_ = false;
    int maxLength_ = 0;
    Selection selection_;
};

// Made by the backend linked into the program.
std::unique_ptr<TextBox::Peer> makePeer(TextBox& box);

}  // namespace forms
