// The preset editor: it hides the main window (which keeps its contents),
// saves the five PresetEditor in order, and reports a preset the store refuses.
#include "store.hpp"
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

struct PresetEditor : Tarrow {
    tarrow::PresetEditor& editor = program.presetEditor;
    void SetUp() override {
        save("Presets", "Preset1", "old one");
        start();
        user.type(form.recipient, "PC7");
        user.click(form.editPresetsButton);
    }
};

TEST_F(PresetEditor, HidesTheMainWindowAndShowsTheStoredPresets) {
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ("Preset Messages", editor.caption());
    EXPECT_EQ("Preset Message 1", editor.preset1Label.caption());
    EXPECT_EQ("Preset Message 5", editor.preset5Label.caption());
    EXPECT_EQ("old one", editor.preset1.text());
    EXPECT_EQ("", editor.preset5.text());
    EXPECT_EQ("Save", editor.okButton.caption());
    EXPECT_EQ("CANCEL", editor.cancelButton.caption());
}

TEST_F(PresetEditor, SaveWritesAllFiveInOrderAndTheButtonsFetchThem) {
    erase(editor.preset1);
    user.type(editor.preset2, "second");
    user.click(editor.okButton);
    std::vector<platform::KeyValue> expected{
        {"Preset1", ""}, {"Preset2", "second"}, {"Preset3", ""}, {"Preset4", ""}, {"Preset5", ""}};
    EXPECT_EQ(expected, store.readSection("Quillon", "Presets"));
    EXPECT_FALSE(editor.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ("Preset Messages saved successfully", form.statusText.caption());
    EXPECT_EQ("PC7", form.recipient.text());  // the main window kept what was typed
    user.click(form.preset2Button);
    EXPECT_EQ("second", form.message.text());
}

TEST_F(PresetEditor, CancelAndTheCloseBoxWriteNothingAndBringTheMainWindowBack) {
    user.type(editor.preset1, " changed");
    user.click(editor.cancelButton);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(editor.loaded());
    user.click(form.editPresetsButton);
    user.type(editor.preset1, " changed");
    user.closeBox(editor);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(app.ended());
    EXPECT_EQ("old one", stored("Presets", "Preset1"));
    EXPECT_FALSE(has("Presets", "Preset2"));
    EXPECT_EQ("PC7", form.recipient.text());
    EXPECT_EQ("", form.statusText.caption());
}

TEST_F(PresetEditor, APresetTheStoreRefusesStopsTheSaveAndTheEditorStays) {
    store.failWritesTo("Quillon", "Presets", "Preset3", {112, "There is not enough space on the disk."});
    user.type(editor.preset2, "two");
    user.type(editor.preset4, "four");
    user.answer(forms::MessageResult::Ok);
    user.click(editor.okButton);
    expectBox("Error 112 : There is not enough space on the disk.\r\n"
              "HKEY_CURRENT_USER\\Software\\Quillon\\Presets\\Preset3", "Error");
    // Those written before the refusal have their old texts back.
    EXPECT_EQ("old one", stored("Presets", "Preset1"));
    EXPECT_FALSE(has("Presets", "Preset2"));
    EXPECT_FALSE(has("Presets", "Preset4"));
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(editor.loaded());
    EXPECT_EQ("four", editor.preset4.text());
    EXPECT_EQ("", form.statusText.caption());
}

// Whichever preset the store refuses, the section stays as it was.
TEST_F(PresetEditor, ASaveRefusedAtAnyPresetLeavesEveryPresetAsItWas) {
    for (int refused = 1; refused <= 5; ++refused) {
        SCOPED_TRACE(refused);
        platform::MemorySettingsStore fresh;
        fresh.writeValue("Quillon", "Presets", "Preset1", "old one");
        fresh.writeValue("Quillon", "Presets", "Preset4", "old four");
        const auto before = fresh.readSection("Quillon", "Presets");
        fresh.failWritesTo("Quillon", "Presets", "Preset" + std::to_string(refused));
        EXPECT_TRUE(tarrow::writeSettings(fresh, "Presets", {{"Preset1", "a"}, {"Preset2", "b"}, {"Preset3", "c"},
                                                     {"Preset4", "d"}, {"Preset5", "e"}}));
        EXPECT_EQ(before, fresh.readSection("Quillon", "Presets"));
    }
}

}  // namespace
}  // namespace tarrow::testing
