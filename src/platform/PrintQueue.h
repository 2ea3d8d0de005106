#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// The print system's queues. A job handed to a queue is printed by the print
// system later; what the program can know is whether the queue took it.
namespace PrintQueue {

struct Answer {
    bool accepted = false;
    QString reason; // the print system's words when the job was not taken
};

// Job options by the print system's names ("copies", "sides"...) and values.
using Options = QList<std::pair<QByteArray, QByteArray>>;

// Hands a PDF file to the named queue ("name" or "name/instance") as one job.
// A queue that is stopped is not given the job: it would hold it, unprinted.
Answer Submit(const QString& queue, const QString& pdfPath, const QString& title, const Options& options = {});

} // namespace PrintQueue
