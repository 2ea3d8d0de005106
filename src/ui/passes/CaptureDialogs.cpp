#include "ui/passes/CaptureDialogs.h"

#include "platform/VideoCapture.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

bool CaptureDialogs::ChooseFormat(VideoCapture& capture, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("VideoFormatDialog"));
    dialog.setWindowTitle(QStringLiteral("Video Format"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstFormats"));
    for (const VideoFormat& format : capture.formats())
        list->addItem(format.text());
    list->setCurrentRow(capture.formatIndex());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdFormatOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdFormatCancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return false;
    return capture.setFormatIndex(list->currentRow());
}

void CaptureDialogs::EditSource(VideoCapture& capture, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("VideoSourceDialog"));
    dialog.setWindowTitle(QStringLiteral("Video Source"));
    auto* form = new QFormLayout;
    const auto properties = capture.properties();
    for (int i = 0; i < static_cast<int>(properties.size()); ++i) {
        auto* box = new QSpinBox(&dialog);
        box->setObjectName(QStringLiteral("spnProperty%1").arg(i));
        box->setRange(properties[i].minimum, properties[i].maximum);
        box->setValue(properties[i].value);
        QObject::connect(box, &QSpinBox::valueChanged, &capture,
                         [&capture, i](int value) { capture.setPropertyValue(i, value); });
        form->addRow(properties[i].name, box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog.exec();
}
