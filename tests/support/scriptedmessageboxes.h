#pragma once

#include "platform/messagebox.h"

#include <QList>
#include <QQueue>

namespace gallerion::test {

// Answers boxes from a script and records every box it was asked to show.
// When the script runs out it gives the box's first button.
class ScriptedMessageBoxes : public MessageBoxService
{
public:
    explicit ScriptedMessageBoxes(QList<int> answers = {}) : m_answers(answers) {}

    int ask(const MessageRequest &request) override;

    const QList<MessageRequest> &shown() const { return m_shown; }
    void addAnswer(int answer) { m_answers.enqueue(answer); }

private:
    QQueue<int> m_answers;
    QList<MessageRequest> m_shown;
};

} // namespace gallerion::test
