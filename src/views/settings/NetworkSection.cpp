#include "views/settings/NetworkSection.h"

#include "engine/homebrew/BrewNetwork.h"
#include "platform/UserDefaults.h"
#include "views/style/Brand.h"
#include "views/style/Typography.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// In the order of BrewNetwork::mirrors().
const char *const titles[] = {
    QT_TRANSLATE_NOOP("NetworkSection", "Homebrew API mirror"),
    QT_TRANSLATE_NOOP("NetworkSection", "Bottle mirror"),
    QT_TRANSLATE_NOOP("NetworkSection", "Artifact mirror"),
};

} // namespace

NetworkSection::NetworkSection(UserDefaults *defaults, QWidget *parent)
    : QWidget(parent)
    , m_defaults(defaults ? defaults : &UserDefaults::standard())
{
    setObjectName(u"networkSection"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    QLabel *heading = Typography::label(tr("Network").toUpper(), 11, QFont::DemiBold, Brand::n3);
    QFont tracked = heading->font();
    tracked.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    heading->setFont(tracked);
    layout->addWidget(heading);
    layout->addWidget(Typography::label(tr("Orvando and Homebrew use the proxy set in System Settings. Mirrors are "
                                           "optional: leave them empty to use Homebrew’s own servers."),
        12, QFont::Normal, Brand::n3, true));

    const QList<BrewNetwork::Mirror> mirrors = BrewNetwork::mirrors();
    for (int i = 0; i < mirrors.size(); ++i) {
        const QString title = tr(titles[i]);
        auto *field = new QLineEdit(m_defaults->stringValue(mirrors[i].key).value_or(QString()));
        field->setObjectName(QString::fromLatin1(mirrors[i].variable));
        field->setPlaceholderText(u"https://…"_s);
        field->setAccessibleName(title);
        //: %1 is the name of the environment variable Homebrew reads
        field->setToolTip(tr("Given to Homebrew as %1.").arg(QString::fromLatin1(mirrors[i].variable)));
        QLabel *problem = Typography::label(QString(), 12, QFont::Normal, Brand::deepTerra, true);
        problem->hide();
        layout->addWidget(Typography::label(title, 13, QFont::Medium, Brand::warmBlack));
        layout->addWidget(field);
        layout->addWidget(problem);
        m_fields.append(field);
        m_problems.append(problem);
        connect(field, &QLineEdit::editingFinished, this, [this, i] { commit(i); });
    }
}

QLineEdit *NetworkSection::field(int index) const
{
    return m_fields.value(index);
}

QLabel *NetworkSection::problem(int index) const
{
    return m_problems.value(index);
}

void NetworkSection::commit(int index)
{
    const BrewNetwork::Mirror mirror = BrewNetwork::mirrors().at(index);
    QLineEdit *field = m_fields[index];
    QLabel *problem = m_problems[index];
    const QString address = field->text().trimmed();
    if (const std::optional<QString> why = BrewNetwork::mirrorProblem(address)) {
        problem->setText(*why);
        problem->show();
        field->setAccessibleDescription(*why);
        return;
    }
    problem->hide();
    field->setAccessibleDescription(QString());
    if (address.isEmpty())
        m_defaults->remove(mirror.key);
    else
        m_defaults->setString(mirror.key, address);
}
