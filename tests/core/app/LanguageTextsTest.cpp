#include "core/app/LanguageTexts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(LanguageTexts, LooksUpWithoutLetterCaseAndGivesEmptyForMissingKeys) {
    LanguageTexts texts;
    texts.set("MSG_SaveOK", "Model saved.");
    texts.set("MNU_Save", "Save");
    EXPECT_EQ(texts.lookup("msg_saveok"), "Model saved.");
    EXPECT_EQ(texts.lookup("MSG_Unknown"), "");
    const Message message = texts.message("MSG_SaveOK", "MNU_Save");
    EXPECT_EQ(message.key, "MSG_SaveOK");
    EXPECT_EQ(message.text, "Model saved.");
    EXPECT_EQ(message.caption, "Save");
}

}  // namespace
}  // namespace qv
