#include "core/app/LanguageFile.h"

#include <gtest/gtest.h>

#include "core/support/TempFolder.h"

namespace qv {
namespace {

using testing::TempFolder;

TEST(LanguageFile, ReadsTheSectionNamedLikeTheLanguage) {
    TempFolder start;
    start.write("Deutsch.ini",
                "[English]\nMSG_SaveOK=Saved\n[Deutsch]\nMSG_SaveOK=Gespeichert\nForm2=Konfiguration\n");
    LanguageTexts texts;
    texts.set("MSG_Old", "stale");
    EXPECT_TRUE(loadLanguageTexts(start.path(), "Deutsch", texts));
    EXPECT_EQ(texts.lookup("msg_saveok"), "Gespeichert");
    EXPECT_EQ(texts.lookup("Form2"), "Konfiguration");
    EXPECT_EQ(texts.lookup("MSG_Old"), "");
}

TEST(LanguageFile, MissingFileGivesEmptyTexts) {
    TempFolder start;
    LanguageTexts texts;
    texts.set("MSG_SaveOK", "stale");
    EXPECT_FALSE(loadLanguageTexts(start.path(), "Klingon", texts));
    EXPECT_EQ(texts.lookup("MSG_SaveOK"), "");
}

// The bundled English file has a text for every key the program shows.
TEST(LanguageFile, BundledEnglishFileHasEveryMessageKey) {
    LanguageTexts texts;
    ASSERT_TRUE(loadLanguageTexts(QV_START_DIR, "English", texts));
    for (const char* key : {"MSG_SaveOK", "MSG_ConfirmSave", "MSG_CreateNewModel", "MSG_NewModel",
                            "MSG_FileNotFound", "MSG_ExceedMAXConstruct", "MSG_NoRawData",
                            "MSG_NoPLSProject", "MSG_OverwriteProject", "MSG_Overwrite",
                            "MSG_RawDataOpenError", "MSG_Running", "MSG_Ready", "MNU_Save",
                            "MSG_CreateDirFail", "MSG_SaveFail", "MSG_ExceedMAXTextLabel",
                            "MSG_ExceedMAXIndicator", "MSG_DataVariablesChanged",
                            "MSG_ModelFileDamaged", "MSG_NotAModelFile", "MSG_DataFileNotFound",
                            "HEAD_Loading"})
        EXPECT_NE(texts.lookup(key), "") << key;
}

}  // namespace
}  // namespace qv
