#include "app/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace {
// The program's own .qm files: where TRANSPOSE_SWITCH_TRANSLATIONS says
// (tests and tools built elsewhere), beside the program where it was
// built, else where it is installed.
QStringList programTranslationFolders()
{
    const QString here = QCoreApplication::applicationDirPath();
    QStringList folders{here, here + QStringLiteral("/../share/transpose-switch/translations")};
    const QString asked = qEnvironmentVariable("TRANSPOSE_SWITCH_TRANSLATIONS");
    if (!asked.isEmpty())
        folders.prepend(asked);
    return folders;
}

QList<QTranslator *> loadTranslators(const QString &code, QObject *owner)
{
    QList<QTranslator *> translators;
    auto *program = new QTranslator(owner);
    for (const QString &folder : programTranslationFolders())
        if (program->load(QStringLiteral("transpose-switch_") + code, folder))
            break;
    translators << program;
    // Qt's own dialogs and buttons; missing without qt6-translations-l10n.
    auto *qt = new QTranslator(owner);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        translators << qt;
    else
        delete qt;
    return translators;
}
} // namespace

QString chooseLanguage(const QString &commandLine, const QString &saved, const QStringList &uiLanguages,
                       const QStringList &shipped)
{
    if (!commandLine.isEmpty())
        return commandLine;
    if (shipped.contains(saved))
        return saved;
    for (const QString &wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::C)
            continue;
        const QString language = QLocale::languageToCode(locale.language());
        const QString territory = QLocale::territoryToCode(locale.territory());
        // "zh-Hans" names no territory, yet its script says which Chinese.
        QString full = language + QLatin1Char('_') + territory;
        if (locale.language() == QLocale::Chinese && locale.script() == QLocale::SimplifiedChineseScript)
            full = QStringLiteral("zh_CN");
        if (shipped.contains(full))
            return full;
        if (shipped.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

Languages *Languages::of(QCoreApplication *application)
{
    if (auto *found = application->findChild<Languages *>(QString(), Qt::FindDirectChildrenOnly))
        return found;
    return new Languages(application);
}

Languages::Languages(QObject *parent)
    : QObject(parent)
{
    // Each in its own words: a user who cannot read the one in use still
    // finds theirs.
    const QString names[] = {QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Français"),
                             QStringLiteral("Español"), QStringLiteral("中文（简体）")};
    const QStringList shipped = shippedCodes();
    for (qsizetype l = 0; l < shipped.size(); ++l) {
        const QString language = shipped[l];
        Language entry{language, names[l], {}};
        if (l > 0)
            entry.translators = [language](QObject *owner) { return loadTranslators(language, owner); };
        known.push_back(std::move(entry));
    }
}

QStringList Languages::shippedCodes()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("zh_CN")};
}

QStringList Languages::codes() const
{
    QStringList list;
    for (const Language &language : known)
        list << language.code;
    return list;
}

void Languages::add(Language language)
{
    known.push_back(std::move(language));
}

bool Languages::setLanguage(const QString &code)
{
    const auto found = std::find_if(known.begin(), known.end(), [&](const Language &l) { return l.code == code; });
    if (found == known.end())
        return false;
    for (QTranslator *translator : std::as_const(installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed = found->translators ? found->translators(this) : QList<QTranslator *>();
    for (QTranslator *translator : std::as_const(installed))
        QCoreApplication::installTranslator(translator);
    active = code;
    // Back to English: no translator is installed, yet every text must be
    // set again.
    if (installed.isEmpty()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    emit languageChanged(code);
    return true;
}
