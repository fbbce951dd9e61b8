// Stand-ins for the dialogs and the desktop: they record what the windows
// asked and answer from a script, so no test waits on a modal window.
#pragma once

#include "ui/platform/desktop_services.h"
#include "ui/platform/dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace orv::testing {

class ScriptedDialogs : public ui::Dialogs {
public:
    struct Message {
        QString text;
        ui::MessageButtons buttons;
    };

    // Answers to questions, in order; a box with only OK needs none.
    std::deque<ui::MessageAnswer> answers;
    // What the file dialogs return, in order; an empty path is a cancel.
    std::deque<ui::FileChoice> choices;
    // Runs while the preview dialog is open, as the user highlights files.
    std::function<void(ui::PreviewClient&)> whileOpen;

    std::vector<Message> messages;
    std::vector<ui::FileDialogRequest> requests;

    ui::MessageAnswer ShowMessage(QWidget*, const QString& text,
                                  ui::MessageButtons buttons) override
    {
        messages.push_back({text, buttons});
        if (!answers.empty()) {
            const ui::MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (buttons != ui::MessageButtons::Ok)
            ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return buttons == ui::MessageButtons::Ok ? ui::MessageAnswer::Ok
                                                 : ui::MessageAnswer::Cancel;
    }

    ui::FileChoice ShowFileDialog(QWidget*, const ui::FileDialogRequest& request) override
    {
        requests.push_back(request);
        return NextChoice();
    }

    ui::FileChoice ShowPreviewDialog(QWidget*, const ui::FileDialogRequest& request,
                                     ui::PreviewClient& preview) override
    {
        requests.push_back(request);
        EXPECT_NE(preview.PreviewFrame(), nullptr);
        if (whileOpen)
            whileOpen(preview);
        const ui::FileChoice choice = NextChoice();
        if (choice.path.isEmpty())
            preview.RestorePicture();
        preview.PreviewRelease();
        return choice;
    }

    [[nodiscard]] QStringList Texts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

private:
    ui::FileChoice NextChoice()
    {
        if (choices.empty()) {
            ADD_FAILURE() << "unscripted file dialog";
            return {};
        }
        const ui::FileChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

class RecordingDesktop : public ui::DesktopServices {
public:
    QStringList helpFiles;
    QStringList helpSections;
    QStringList addresses;

    void OpenHelp(QWidget*, const QString& helpFilePath, const QString& section) override
    {
        helpFiles << helpFilePath;
        helpSections << section;
    }
    void OpenWebAddress(const QString& address) override { addresses << address; }
};

} // namespace orv::testing

// Readable texts in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
