#include "AskpassDialog.h"

#include "platform/AppActivation.h"
#include "views/style/Brand.h"

#include <QDialogButtonBox>
#include <QIODevice>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AskpassDialog::AskpassDialog(const QString &appName, QWidget *parent)
    : QDialog(parent)
    , m_password(new QLineEdit(this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Administrator password"));
    setObjectName(u"askpassDialog"_s);
    setModal(true);
    // sudo starts the prompt while the user works in Orvando: it must not open behind it.
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto *title = new QLabel(tr("Administrator password"), this);
    title->setObjectName(u"askpassTitle"_s);
    auto *prompt = new QLabel(promptText(appName), this);
    prompt->setObjectName(u"askpassPrompt"_s);
    prompt->setWordWrap(true);

    m_password->setEchoMode(QLineEdit::Password);
    m_password->setObjectName(u"askpassPassword"_s);
    m_password->setAccessibleName(tr("Password"));
    // Keep the secret out of input-method history and predictive text.
    m_password->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);

    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_ok->setObjectName(u"askpassOk"_s);
    m_cancel->setObjectName(u"askpassCancel"_s);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(prompt);
    layout->addSpacing(4);
    layout->addWidget(m_password);
    layout->addSpacing(6);
    layout->addWidget(buttons);

    // The brand's colours in the system's appearance; this program has no brand style of its own.
    const Brand::Colors &brand = Brand::colors(Brand::schemeFor(palette()));
    setStyleSheet(uR"(
        #askpassDialog { background: %1; }
        #askpassTitle { color: %2; font-size: 15px; font-weight: 600; }
        #askpassPrompt { color: %3; font-size: 13px; }
        #askpassPassword { background: white; color: %2; border: 1px solid %4; border-radius: 6px; padding: 5px 8px; }
        #askpassPassword:focus { border-color: %5; }
        #askpassOk { background: %5; color: white; border: none; border-radius: 6px; padding: 5px 18px; }
        #askpassCancel { background: %6; color: %2; border: 1px solid %4; border-radius: 6px; padding: 5px 14px; }
    )"_s.arg(brand.cream.name(), brand.warmBlack.name(), brand.n3.name(), brand.n2.name(), brand.primary.name(),
        brand.n1.name()));
    setMinimumWidth(380);
    m_password->setFocus();
}

QString AskpassDialog::promptText(const QString &appName)
{
    if (appName.trimmed().isEmpty())
        return tr("Homebrew needs your Mac password to continue.");
    //: %1 is the name of the app being installed, updated or removed.
    return tr("Homebrew needs your Mac password to finish with %1.").arg(appName);
}

void AskpassDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    AppActivation::activate();
    raise();
    activateWindow();
}

int AskpassDialog::run(QIODevice &out)
{
    if (exec() != QDialog::Accepted)
        return 1;
    QByteArray answer = m_password->text().toUtf8();
    answer.append('\n');
    const bool written = out.write(answer) == answer.size();
    // Don't leave the secret lying around in memory longer than needed.
    answer.fill('\0');
    m_password->clear();
    return written ? 0 : 1;
}
