#include "platform/PrintQueue.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>

namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

QString lastError() {
    return QString::fromUtf8(cupsLastErrorString());
}

// What the print system says of a stopped queue: its state message, as
// "cupsdisable -r" or a failing printer set it.
QString stateMessage(const char* printerUri) {
    if (!printerUri)
        return {};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-state-message");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString message;
    if (ipp_attribute_t* a = response ? ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT) : nullptr)
        message = QString::fromUtf8(ippGetString(a, 0, nullptr)).trimmed();
    ippDelete(response);
    return message;
}

} // namespace

PrintQueue::Answer PrintQueue::Submit(const QString& queue, const QString& pdfPath, const QString& title,
                                      const Options& options) {
    const QByteArray name = queue.section(u'/', 0, 0).toUtf8();
    const QByteArray instance = queue.section(u'/', 1).toUtf8();
    const std::unique_ptr<cups_dest_t, DestFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData()));
    if (!dest)
        return {false, lastError()};
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED) {
        const QString message = stateMessage(cupsGetOption("printer-uri-supported", dest->num_options, dest->options));
        return {false, QStringLiteral("Printer \"%1\" is stopped").arg(QString::fromUtf8(name)) +
                           (message.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + message)};
    }
    cups_option_t* jobOptions = nullptr;
    int count = 0;
    for (const auto& [option, value] : options)
        count = cupsAddOption(option.constData(), value.constData(), count, &jobOptions);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), count, jobOptions);
    cupsFreeOptions(count, jobOptions);
    if (job == 0)
        return {false, lastError()};
    return {true, {}};
}
