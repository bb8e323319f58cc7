#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QCoreApplication;
class QTranslator;

// Which shipped language to start in: the one --lang asks for, else the
// one chosen in View → Language before, else the first of the system's
// languages (most wanted first, as QLocale::uiLanguages gives them) that
// is shipped; English when none is. Codes are "de" or "zh_CN"; "de-AT"
// finds "de" and "zh-Hans-CN" finds "zh_CN". shipped includes "en".
QString chooseLanguage(const QString &commandLine, const QString &saved, const QStringList &uiLanguages,
                       const QStringList &shipped);

// The program's languages and the translators of the one in use, owned by
// the application: every window finds the same one with of().
class Languages : public QObject
{
    Q_OBJECT

public:
    struct Language
    {
        QString code;       // "de"
        QString nativeName; // "Deutsch", as the menu lists it
        // Makes the translators for the language; empty for the source
        // language. Files are loaded into translators parented to owner.
        std::function<QList<QTranslator *>(QObject *owner)> translators;
    };

    static Languages *of(QCoreApplication *application);
    // English, the source, first; then the translations the program ships.
    static QStringList shippedCodes();

    const std::vector<Language> &languages() const { return known; }
    QStringList codes() const;
    QString current() const { return active; }
    // Adds a language, e.g. a pseudo-translation a test checks with.
    void add(Language language);
    // Installs the language's translators in place of the ones in use;
    // every widget gets QEvent::LanguageChange. False for an unknown code.
    bool setLanguage(const QString &code);

    static constexpr const char *kSettingsKey = "language";

signals:
    void languageChanged(const QString &code);

private:
    explicit Languages(QObject *parent);

    std::vector<Language> known;
    QString active = QStringLiteral("en");
    QList<QTranslator *> installed;
};
