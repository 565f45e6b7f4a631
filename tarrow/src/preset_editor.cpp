#include "preset_editor.hpp"

#include "program.hpp"
#include "store.hpp"

namespace tarrow {

PresetEditor::PresetEditor(Context& context, Program& program)
    : Window(context.app, "presets"), context_(context), program_(program) {
    onLoad = [this] { startUp(); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    okButton.onClick = [this] { savePresets(); };
    cancelButton.onClick = [this] { cancel(); };
}

void PresetEditor::design() {
    setCaption("Preset Messages");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 5400, 5160});

    for (int i = 0; i < kPresetCount; ++i) {
        const int top = 120 + i * 900;
        labels_[i]->setCaption("Preset Message " + std::to_string(i + 1));
        labels_[i]->setBounds({120, top, 5160, 255});
        boxes_[i]->setMultiLine(true);
        boxes_[i]->setScrollBars(forms::ScrollBars::Vertical);
        boxes_[i]->setBounds({120, top + 270, 5160, 555});
    }
    okButton.setCaption("Save");
    okButton.setBounds({2400, 4665, 1320, 375});
    cancelButton.setCaption("CANCEL");
    cancelButton.setBounds({3960, 4665, 1320, 375});
}

void PresetEditor::startUp() {
    program_.mainWindow.hide();
    for (int i = 0; i < kPresetCount; ++i)
        boxes_[i]->setText(readSetting(context_.settings, kPresets, presetKey(i + 1)));
}

// Writes the five presets together. When the store refuses one, those
// written before get their old texts back, the box says which and why, and
// the main window comes back while this editor stays open with its text.
void PresetEditor::savePresets() {
    std::vector<std::pair<std::string, std::string>> presets;
    for (int i = 0; i < kPresetCount; ++i) presets.push_back({presetKey(i + 1), boxes_[i]->text()});
    if (std::optional<Refusal> refused = writeSettings(context_.settings, kPresets, presets)) {
        showWriteError(context_.app, refused->error, kPresets, refused->key);
        program_.mainWindow.show();
        return;
    }
    program_.mainWindow.show();
    program_.mainWindow.statusText.setCaption("Preset Messages saved successfully");
    unload();
}

void PresetEditor::cancel() {
    program_.mainWindow.show();
    unload();
}

// Closed by its close box, the editor brings the hidden main window back as "CANCEL" does.
void PresetEditor::closeBox(forms::CloseEvent& closing) {
    if (closing.reason == forms::CloseReason::CloseBox) program_.mainWindow.show();
}

}  // namespace tarrow
