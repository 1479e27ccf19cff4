#include "views/window/MailFallback.h"

#include "telemetry/ProductInfo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace MailFallback {

QString sentence()
{
    //: %1 is the support email address.
    return QCoreApplication::translate("MailFallback", "No mail app opened. Write to %1.")
        .arg(ProductInfo::supportEmail());
}

QString copyTitle()
{
    return QCoreApplication::translate("MailFallback", "Copy address");
}

void copyAddress()
{
    QGuiApplication::clipboard()->setText(ProductInfo::supportEmail());
}

QMessageBox *show(QWidget *window)
{
    auto *alert = new QMessageBox(window);
    alert->setObjectName(u"mailFallback"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setTextFormat(Qt::PlainText);
    alert->setText(sentence());
    QPushButton *copy = alert->addButton(copyTitle(), QMessageBox::ActionRole);
    QPushButton *ok = alert->addButton(QMessageBox::Ok);
    alert->setDefaultButton(ok);
    QObject::connect(alert, &QMessageBox::buttonClicked, alert, [copy](QAbstractButton *button) {
        if (button == copy)
            copyAddress();
    });
    alert->open();
    return alert;
}

} // namespace MailFallback
