#include "core/ports/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ScriptedPorts, AnswersQuestionsInOrderAndRecordsThem) {
    ScriptedPorts user;
    user.answer(true);
    user.answer(false);
    Prompts& prompts = user;
    EXPECT_TRUE(prompts.askOkCancel({"MSG_CreateNewModel", "Create?", "New"}));
    EXPECT_FALSE(prompts.askYesNo({"", "Locate?", ""}));
    EXPECT_FALSE(prompts.askOkCancel({"MSG_Sure", "Sure?", ""}));  // nothing left: Cancel
    EXPECT_EQ(user.unansweredQuestions(), 1);
    ASSERT_EQ(user.events().size(), 3u);
    EXPECT_EQ(user.events()[0].message.key, "MSG_CreateNewModel");
    EXPECT_TRUE(user.events()[0].answer);
}

TEST(ScriptedPorts, SaveQuestionTakesOnlyASaveAnswer) {
    ScriptedPorts user;
    user.answerSave(SaveAnswer::Discard);
    user.answer(true);
    Prompts& prompts = user;
    EXPECT_EQ(prompts.askSaveDiscardCancel({"MSG_ConfirmSave", "Save?", "Save"}), SaveAnswer::Discard);
    // The next queued answer is an OK: the save question is cancelled and counted.
    EXPECT_EQ(prompts.askSaveDiscardCancel({"MSG_ConfirmSave", "Save?", "Save"}), SaveAnswer::Cancel);
    EXPECT_EQ(user.unansweredQuestions(), 1);
    EXPECT_TRUE(prompts.askOkCancel({"", "Go on?", ""}));
    ASSERT_EQ(user.events().size(), 3u);
    EXPECT_EQ(user.events()[0].kind, ScriptedPorts::Kind::AskSave);
    EXPECT_EQ(user.events()[0].saveAnswer, SaveAnswer::Discard);
}

TEST(ScriptedPorts, KeepsToldMessagesWithKeyAndText) {
    ScriptedPorts user;
    user.tell({"MSG_SaveOK", "Model saved.", ""});
    user.showStatus("Ready", "Model saved.");
    EXPECT_TRUE(user.told("MSG_SaveOK"));
    EXPECT_FALSE(user.told("MSG_FileNotFound"));
    ASSERT_EQ(user.messages().size(), 1u);
    EXPECT_EQ(user.messages()[0].text, "Model saved.");
    EXPECT_EQ(user.lastState(), "Ready");
}

TEST(ScriptedPorts, FileDialogsAndCancelAfterPolls) {
    ScriptedPorts user;
    user.chooseFile("/tmp/a.qvt");
    user.chooseFile(std::nullopt);
    EXPECT_EQ(user.chooseFileToOpen("*.qvt", "/").value(), "/tmp/a.qvt");
    EXPECT_FALSE(user.chooseFileToSave("*.qvt", "qvt", "/").has_value());
    user.cancelProgressAfter(2);
    user.setPosition(1);
    EXPECT_FALSE(user.cancelRequested());
    user.setPosition(2);
    EXPECT_TRUE(user.cancelRequested());
}

}  // namespace
}  // namespace qv
