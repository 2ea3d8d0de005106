#pragma once

#include <QString>

// The print system's queues. A job handed to a queue is printed by the print
// system later; what the program can know is whether the queue took it.
namespace PrintQueue {

struct Answer {
    bool accepted = false;
    QString reason; // the print system's words when the job was not taken
};

// Hands a PDF file to the named queue ("name" or "name/instance") as one job.
// A queue that is stopped is not given the job: it would hold it, unprinted.
Answer Submit(const QString& queue, const QString& pdfPath, const QString& title);

} // namespace PrintQueue
