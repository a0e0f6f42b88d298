#include "platform/ui/message_box.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/mode.hpp"
#include "tests/support/standard_error.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

namespace ui {
namespace {

class UiMessageBox : public ::testing::Test {
  protected:
    ui::ScopedMode headless{Mode::Headless};
    ScopedResponder noResponder{Responder{}};
};

TEST_F(UiMessageBox, AnswersAreNumberedAsTheClassicBox) {
    EXPECT_EQ(static_cast<int>(Answer::Ok), 1);
    EXPECT_EQ(static_cast<int>(Answer::Cancel), 2);
    EXPECT_EQ(static_cast<int>(Answer::Abort), 3);
    EXPECT_EQ(static_cast<int>(Answer::Retry), 4);
    EXPECT_EQ(static_cast<int>(Answer::Ignore), 5);
    EXPECT_EQ(static_cast<int>(Answer::Yes), 6);
    EXPECT_EQ(static_cast<int>(Answer::No), 7);
}

TEST_F(UiMessageBox, TheResponderAnswersAndSeesTheRequest) {
    struct Case {
        MessageBoxRequest request;
        Answer answer;
    };
    const Case cases[] = {
        {{"Вентиляция отсутствует", Buttons::OkOnly, Icon::NoIcon, "Kalvik_dll"}, Answer::Ok},
        {{"Продолжить?", Buttons::YesNo, Icon::Information, "Вопрос"}, Answer::No},
        {{"Ошибка", Buttons::AbortRetryIgnore, Icon::Critical, "t"}, Answer::Ignore},
        {{"x", Buttons::RetryCancel, Icon::NoIcon, "t"}, Answer::Cancel},
    };
    for (const Case& c : cases) {
        std::vector<MessageBoxRequest> asked;
        ScopedResponder responder([&](const MessageBoxRequest& r) {
            asked.push_back(r);
            return c.answer;
        });
        testing_support::CapturedCerr err;
        EXPECT_EQ(messageBox(c.request), c.answer);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0], c.request);
        EXPECT_EQ(err.text(), "") << "an answered box prints nothing";
    }
}

TEST_F(UiMessageBox, AnAnswerTheBoxDoesNotOfferIsAnError) {
    ScopedResponder responder([](const MessageBoxRequest&) { return Answer::Cancel; });
    try {
        messageBox({"text", Buttons::YesNo, Icon::NoIcon, "t"});
        ADD_FAILURE() << "accepted";
    } catch (const oleaut::Error& e) {
        EXPECT_NE(e.description().find("Cancel"), std::string::npos) << e.description();
    }
}

TEST_F(UiMessageBox, HeadlessPrintsTitleAndTextAndTakesTheDefault) {
    struct Case {
        Buttons buttons;
        Answer answer;
    };
    // The first button is the default.
    const Case cases[] = {
        {Buttons::OkOnly, Answer::Ok},
        {Buttons::OkCancel, Answer::Ok},
        {Buttons::AbortRetryIgnore, Answer::Abort},
        {Buttons::YesNoCancel, Answer::Yes},
        {Buttons::YesNo, Answer::Yes},
        {Buttons::RetryCancel, Answer::Retry},
    };
    for (const Case& c : cases) {
        testing_support::CapturedCerr err;
        EXPECT_EQ(messageBox({"Текст", c.buttons, Icon::NoIcon, "Заголовок"}), c.answer);
        EXPECT_EQ(err.text(), "Заголовок: Текст\n");
    }
}

TEST_F(UiMessageBox, HeadlessPrintsWindowsLineEndsAsLines) {
    testing_support::CapturedCerr err;
    const std::string text =
        "Потребители Отсутствуют. Проверьте!!?\r\nОбновление не выполнено!!?\r\n";
    EXPECT_EQ(messageBox({text, Buttons::OkOnly, Icon::Critical, "Проверка исходных"}), Answer::Ok);
    EXPECT_EQ(err.text(),
              "Проверка исходных: Потребители Отсутствуют. Проверьте!!?\n"
              "Обновление не выполнено!!?\n");
}

TEST_F(UiMessageBox, AScopedResponderPutsThePreviousOneBack) {
    ScopedResponder outer([](const MessageBoxRequest&) { return Answer::No; });
    {
        ScopedResponder inner([](const MessageBoxRequest&) { return Answer::Yes; });
        EXPECT_EQ(messageBox({"q", Buttons::YesNo, Icon::NoIcon, "t"}), Answer::Yes);
    }
    EXPECT_EQ(messageBox({"q", Buttons::YesNo, Icon::NoIcon, "t"}), Answer::No);
}

TEST_F(UiMessageBox, OnATerminalTheBoxStartsOnAClearedLine) {
    // A progress line may stand on the terminal: the box's text wipes it first.
    ScopedMode terminal{Mode::Terminal};
    testing_support::Pty pty;
    ASSERT_GE(pty.slave, 0);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    struct Case {
        int fd;
        std::string printed;
    };
    const Case cases[] = {
        {pty.slave, "\r\x1b[KЗаголовок: Текст\n"},
        {pipeEnds[1], "Заголовок: Текст\n"},
    };
    for (const Case& c : cases) {
        testing_support::RedirectedStderr redirected(c.fd);
        testing_support::CapturedCerr err;
        EXPECT_EQ(messageBox({"Текст", Buttons::OkOnly, Icon::NoIcon, "Заголовок"}), Answer::Ok);
        EXPECT_EQ(err.text(), c.printed);
    }
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

}  // namespace
}  // namespace ui
