#pragma once
#include "platform/framework/MessageBox.h"

#include <QStringList>

#include <deque>
#include <vector>

// Installs itself as the message responder for its lifetime: records every message shown and answers
// questions from a queue of scripted answers (the default button when the queue is empty).
class MessageRecorder {
public:
    MessageRecorder()
    {
        m_previous = framework::setMessageResponder([this](const framework::MessageRequest& request) {
            m_messages.push_back(request);
            if (!m_answers.empty()) {
                const framework::Answer answer = m_answers.front();
                m_answers.pop_front();
                return answer;
            }
            return framework::defaultAnswer(request);
        });
    }
    ~MessageRecorder() { framework::setMessageResponder(std::move(m_previous)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answer(framework::Answer next) { m_answers.push_back(next); }
    const std::vector<framework::MessageRequest>& messages() const { return m_messages; }
    QStringList texts() const
    {
        QStringList all;
        for (const auto& message : m_messages)
            all << message.text;
        return all;
    }
    void clear() { m_messages.clear(); }

private:
    framework::MessageResponder m_previous;
    std::vector<framework::MessageRequest> m_messages;
    std::deque<framework::Answer> m_answers;
};
