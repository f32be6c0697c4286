// The Retry/Cancel question of a failed transfer, asked by the worker and shown on the GUI
// thread while the worker waits for the answer.
#pragma once

#include "link/ITransferQuestion.h"

#include <QObject>

class CQtTransferQuestion : public QObject, public ITransferQuestion {
    Q_OBJECT

public:
    // Must be created on the GUI thread.
    explicit CQtTransferQuestion(QObject* parent = nullptr);

    bool AskRetry(const std::string& message) override;

private:
    bool ShowDialog(const std::string& message);
};
