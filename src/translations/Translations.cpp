#include "translations/Translations.h"

#include "translations/PseudoTranslator.h"

#include <QCoreApplication>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Compiled into the program from resources/translations.
const QString directory = u":/i18n"_s;
const QString prefix = u"orvando_"_s;

QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Which shipped file serves a language tag ("de-CH" → de, "zh-Hans-CN" → zh_CN); empty for none.
QString shippedFor(const QString &tag)
{
    const QLocale locale(tag);
    if (locale.language() == QLocale::Chinese) {
        // Traditional Chinese readers are not served by the simplified translation.
        const bool traditional = locale.script() == QLocale::TraditionalChineseScript
            || (locale.script() == QLocale::AnyScript && tag.contains(u"TW"_s, Qt::CaseInsensitive));
        return traditional ? QString() : u"zh_CN"_s;
    }
    const QString language = QLocale::languageToCode(locale.language());
    return Translations::shipped().contains(language) ? language : QString();
}

QString posixValue(const QProcessEnvironment &environment)
{
    for (const QString &name : { u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s }) {
        const QString value = environment.value(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

} // namespace

QStringList Translations::shipped()
{
    return { u"de"_s, u"fr"_s, u"ja"_s, u"zh_CN"_s };
}

QLocale Translations::choose(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        // English anywhere in the list before a shipped language is the user's choice too.
        if (QLocale(tag).language() == QLocale::English)
            return english();
        // The region stays: a Swiss reader's numbers are Swiss ones.
        if (!shippedFor(tag).isEmpty())
            return QLocale(tag);
    }
    return english();
}

QLocale Translations::fromEnvironment(const QProcessEnvironment &environment)
{
    // "de_DE.UTF-8@euro" → "de_DE".
    QString value = posixValue(environment);
    value = value.section(u'.', 0, 0).section(u'@', 0, 0);
    if (value.isEmpty() || value == u"C"_s || value == u"POSIX"_s)
        return english();
    return choose({ value });
}

bool Translations::pseudoRequested(const QProcessEnvironment &environment)
{
    const QString value = environment.value(u"ORVANDO_PSEUDO_TRANSLATION"_s);
    return !value.isEmpty() && value != u"0"_s;
}

void Translations::install(QCoreApplication *application, const QLocale &language, bool pseudo)
{
    uninstall(application);
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == language.language() ? system : language);
    // English holds only the plural forms ("1 app", "2 apps"); every other text is its source.
    auto *base = new QTranslator(application);
    if (base->load(prefix + u"en"_s, directory))
        QCoreApplication::installTranslator(base);
    if (pseudo) {
        QCoreApplication::installTranslator(new PseudoTranslator(base, application));
        return;
    }
    if (language.language() == QLocale::English)
        return;
    auto *translation = new QTranslator(application);
    const QString file = shippedFor(language.name());
    if (!file.isEmpty() && translation->load(prefix + file, directory))
        QCoreApplication::installTranslator(translation);
    else
        delete translation;
}

void Translations::uninstall(QCoreApplication *application)
{
    for (QTranslator *translator : application->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
