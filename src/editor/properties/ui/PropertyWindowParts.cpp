#include "PropertyWindowParts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* PropertyWindowParts::OkCancelRow(QDialog& Window, const QString& OkCaption,
                                              QPushButton*& cmdOK, QPushButton*& cmdCancel) {
    cmdOK = new QPushButton(OkCaption, &Window);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel =
        new QPushButton(QCoreApplication::translate("PropertyWindowParts", "Cancel"), &Window);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(cmdCancel, &QPushButton::clicked, &Window, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cmdOK);
    row->addWidget(cmdCancel);
    return row;
}
