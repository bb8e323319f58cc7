// Choosing the language, and every text of the window following a live
// switch: a pseudo-translation wraps each translated text in ⟦⟧, so a
// text left untranslated shows at once, with no real translation needed.
#include "app/commandline.h"
#include "app/figureexport.h"
#include "app/globjectwindow.h"
#include "app/languages.h"
#include "core/networkdocument.h"
#include "core/practice.h"
#include "core/routetext.h"

#include <QAbstractButton>
#include <QLayout>
#include <QPushButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
constexpr char kPseudo[] = "pseudo";

// Every text of the program's own contexts wrapped in ⟦⟧, %1 and the &
// mnemonic kept; Qt's own contexts untouched, so its dialogs stay as they are.
class PseudoTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!context || context[0] == 'Q')
            return {};
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
    bool isEmpty() const override { return false; }
};

// Texts that stay as they are in every language, each for a reason.
bool untranslatedByDesign(const QString &where, const QString &text)
{
    // Numbers, glyphs (◀ ▶| ⏸ ×) and punctuation need no words.
    static const QRegularExpression wordless(QStringLiteral("^[\\d\\s\\p{P}\\p{S}]*$"));
    // Mathematical notation: "N:", "c1:", "i:", the families "i = k1 + c1".
    static const QRegularExpression notation(
        QStringLiteral("^([NijkIJK]|c\\d):$|^[ijk]\\d? = [ijk]\\d? \\+ c\\d$|^[ijk]\\d? = -?\\d+$"));
    // The view's angles in the status bar.
    static const QRegularExpression angle(QStringLiteral("^Angle\\("));
    if (wordless.match(text).hasMatch() || notation.match(text).hasMatch() || angle.match(text).hasMatch())
        return true;
    // The example lessons' titles, written in the lesson files.
    if (where.contains(QStringLiteral("example_lessons/")))
        return true;
    // Each language's name in its own words, so that anyone finds theirs.
    return where.contains(QStringLiteral("language_menu/"));
}

// Words a language writes as English does.
bool sameInBothLanguages(const QString &code, const QString &text)
{
    // The program's name is a name.
    if (text == QLatin1String("Transpose Switch"))
        return true;
    static const QStringList french{QStringLiteral("opaque"), QStringLiteral("Transitions")};
    static const QStringList german{QStringLiteral("&Name:")};
    return (code == QLatin1String("fr") && french.contains(text)) || (code == QLatin1String("de") && german.contains(text));
}

// What the core says of seeded networks, routes and questions.
QStringList coreSentences()
{
    QStringList said;
    ts::PracticeGenerator questions(2718, ts::PracticeLevel::Medium);
    for (int q = 0; q < 20; ++q) {
        const ts::Question question = questions.next();
        said << ts::questionText(question) << ts::explanation(question) << ts::hint(question, ts::Answer{});
        const ts::SwitchNetwork net = question.network();
        said << ts::describeRoute(net, question.a, question.b) << ts::describeTerminal(net, question.a, question.b)
             << ts::mapRuleText(net) << ts::describeNetwork(net);
    }
    return said;
}

QString pathOf(const QObject *object)
{
    QStringList names;
    for (; object; object = object->parent())
        names.prepend(object->objectName().isEmpty() ? QLatin1String(object->metaObject()->className())
                                                     : object->objectName());
    return names.join(QLatin1Char('/'));
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLObjectWindow> window;

    // Every text a user reads or hears, "where#what" to the text, in a
    // fixed order: widgets, their items, and the actions of the menus.
    static QList<QPair<QString, QString>> textsOf(QWidget *top)
    {
        QList<QPair<QString, QString>> texts;
        auto add = [&texts](const QString &where, const char *what, const QString &text) {
            if (!text.isEmpty())
                texts.append({where + QLatin1Char('#') + QLatin1String(what), text});
        };
        QList<QWidget *> widgets{top};
        widgets += top->findChildren<QWidget *>();
        for (QWidget *w : widgets) {
            const QString where = pathOf(w);
            // Qt's standard buttons (OK, Cancel) are Qt's to translate.
            if (auto *box = qobject_cast<QDialogButtonBox *>(w->parentWidget()))
                if (auto *b = qobject_cast<QAbstractButton *>(w); b && box->standardButton(b) != QDialogButtonBox::NoButton)
                    continue;
            // The dock's float and close buttons and a tab bar's scroll
            // buttons are Qt's too.
            if (w->objectName().startsWith(QLatin1String("qt_dockwidget_")) ||
                (qobject_cast<QTabBar *>(w->parentWidget()) && qobject_cast<QAbstractButton *>(w)))
                continue;
            if (w->isWindow() || qobject_cast<QDockWidget *>(w))
                add(where, "windowTitle", w->windowTitle());
            add(where, "toolTip", w->toolTip());
            add(where, "statusTip", w->statusTip());
            add(where, "accessibleName", w->accessibleName());
            add(where, "accessibleDescription", w->accessibleDescription());
            if (auto *label = qobject_cast<QLabel *>(w))
                add(where, "text", label->text());
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                add(where, "text", button->text());
            if (auto *group = qobject_cast<QGroupBox *>(w))
                add(where, "title", group->title());
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                add(where, "placeholderText", edit->placeholderText());
            if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
                add(where, "specialValueText", spin->specialValueText());
            if (auto *combo = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < combo->count(); ++i)
                    add(where + QStringLiteral("/item%1").arg(i), "text", combo->itemText(i));
            if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i) {
                    add(where + QStringLiteral("/tab%1").arg(i), "text", tabs->tabText(i));
                    add(where + QStringLiteral("/tab%1").arg(i), "toolTip", tabs->tabToolTip(i));
                }
            if (auto *menu = qobject_cast<QMenu *>(w)) {
                add(where, "title", menu->title());
                for (QAction *a : menu->actions()) {
                    const QString at = where + QLatin1Char('/') + (a->objectName().isEmpty() ? a->text() : a->objectName());
                    if (a->objectName().isEmpty() && !a->isSeparator() && !a->menu())
                        add(where + QStringLiteral("/unnamed"), "text", a->text());
                    else {
                        add(at, "text", a->text());
                        add(at, "toolTip", a->toolTip());
                    }
                    add(at, "statusTip", a->statusTip());
                }
            }
            if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
                const QAbstractItemModel *model = view->model();
                for (int r = 0; r < model->rowCount(); ++r)
                    for (int c = 0; c < model->columnCount(); ++c) {
                        const QModelIndex cell = model->index(r, c);
                        const QString at = where + QStringLiteral("/cell%1,%2").arg(r).arg(c);
                        add(at, "display", cell.data(Qt::DisplayRole).toString());
                        add(at, "toolTip", cell.data(Qt::ToolTipRole).toString());
                        add(at, "accessibleText", cell.data(Qt::AccessibleTextRole).toString());
                    }
                for (int c = 0; c < model->columnCount(); ++c)
                    add(where + QStringLiteral("/column%1").arg(c), "toolTip",
                        model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString());
                for (int r = 0; r < model->rowCount(); ++r)
                    add(where + QStringLiteral("/row%1").arg(r), "toolTip",
                        model->headerData(r, Qt::Vertical, Qt::ToolTipRole).toString());
            }
        }
        // Actions the view and the window hold for their keys (step, F5).
        for (QAction *a : top->findChildren<QAction *>()) {
            const QString at = pathOf(a) + QStringLiteral("/action");
            add(at, "text", a->text());
            add(at, "toolTip", a->toolTip());
        }
        return texts;
    }

    // The texts not translated, one line each.
    static QStringList untranslated(const QList<QPair<QString, QString>> &texts)
    {
        QStringList missed;
        for (const auto &[where, text] : texts)
            if (!text.contains(QStringLiteral("⟦")) && !untranslatedByDesign(where, text))
                missed << where + QStringLiteral(": ") + text;
        return missed;
    }

    // The texts of the modal dialog the action opens, closed again.
    QList<QPair<QString, QString>> dialogTexts(QAction *opens)
    {
        QList<QPair<QString, QString>> texts;
        QTimer::singleShot(0, this, [&texts] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            texts = textsOf(dialog);
            dialog->reject();
        });
        opens->trigger();
        return texts;
    }

    void choose(const QString &code)
    {
        QAction *item = window->findChild<QAction *>(QStringLiteral("language_") + code);
        QVERIFY2(item, qPrintable(code));
        item->trigger();
        QCoreApplication::processEvents(); // posted QEvent::LanguageChange
        QCOMPARE(Languages::of(QCoreApplication::instance())->current(), code);
    }

private slots:
    void initTestCase()
    {
        Languages::of(QCoreApplication::instance())
            ->add({QLatin1String(kPseudo), QStringLiteral("Pseudo"),
                   [](QObject *owner) { return QList<QTranslator *>{new PseudoTranslator(owner)}; }});
    }

    void cleanupTestCase()
    {
        window.reset();
        QSettings().remove(QLatin1String(Languages::kSettingsKey));
    }

    void chosenLanguage_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("chosen");
        const QStringList none;
        QTest::newRow("--lang wins") << "fr" << "de" << QStringList{"es-ES"} << "fr";
        QTest::newRow("--lang en wins") << "en" << "de" << QStringList{"es-ES"} << "en";
        QTest::newRow("saved before the system") << "" << "de" << QStringList{"es-ES"} << "de";
        QTest::newRow("saved English") << "" << "en" << QStringList{"fr-FR"} << "en";
        QTest::newRow("saved but not shipped") << "" << "pt" << QStringList{"es-ES"} << "es";
        QTest::newRow("system with territory") << "" << "" << QStringList{"de-AT", "en-US"} << "de";
        QTest::newRow("system language alone") << "" << "" << QStringList{"fr"} << "fr";
        QTest::newRow("first shipped wins") << "" << "" << QStringList{"pt-BR", "es-MX", "de"} << "es";
        QTest::newRow("English first") << "" << "" << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("Simplified Chinese") << "" << "" << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "zh_CN";
        QTest::newRow("Chinese, China") << "" << "" << QStringList{"zh-CN"} << "zh_CN";
        QTest::newRow("Traditional Chinese is not shipped") << "" << "" << QStringList{"zh-Hant-TW", "zh-TW"} << "en";
        QTest::newRow("C locale") << "" << "" << QStringList{"C"} << "en";
        QTest::newRow("nothing known") << "" << "" << none << "en";
        QTest::newRow("nothing shipped") << "" << "" << QStringList{"ja-JP", "ko"} << "en";
    }

    void chosenLanguage()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, saved);
        QFETCH(QStringList, system);
        QFETCH(QString, chosen);
        QCOMPARE(chooseLanguage(commandLine, saved, system, Languages::shippedCodes()), chosen);
    }

    void langOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("none") << QStringList{} << 0 << "" << "";
        QTest::newRow("German") << QStringList{"--lang", "de"} << 0 << "de" << "";
        QTest::newRow("Chinese") << QStringList{"--lang=zh_CN"} << 0 << "zh_CN" << "";
        QTest::newRow("with --export") << QStringList{"--lang", "fr", "--export", "a.svg"} << 0 << "fr" << "";
        QTest::newRow("unknown") << QStringList{"--lang", "xx"} << 2 << ""
                                 << "tst_language: --lang must be one of en, de, fr, es, zh_CN, not \"xx\"";
        QTest::newRow("a locale name") << QStringList{"--lang", "de_DE"} << 2 << ""
                                       << "tst_language: --lang must be one of en, de, fr, es, zh_CN, not \"de_DE\"";
    }

    void langOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, language);
        QFETCH(QString, message);
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("tst_language")} + arguments);
        QCOMPARE(line.exitCode, exitCode);
        if (exitCode == 0)
            QCOMPARE(line.language, language);
        QCOMPARE(line.message, message);
    }

    void everyTextFollowsTheLanguage()
    {
        window = std::make_unique<GLObjectWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *menu = window->findChild<QMenu *>(QStringLiteral("language_menu"));
        QVERIFY(menu);
        QStringList listed;
        for (QAction *a : menu->actions())
            listed << a->text();
        QCOMPARE(listed, (QStringList{"English", "Deutsch", "Français", "Español", "中文（简体）", "Pseudo"}));

        // Something in every list: a marked route, a round of practice, scenes.
        window->document()->toggleTerminal(1, 2, 1);
        window->document()->addScene();
        window->startPractice(7, ts::PracticeLevel::Small);
        window->findChild<QDockWidget *>(QStringLiteral("scenes"))->raise();
        QCoreApplication::processEvents();
        const auto english = textsOf(window.get());
        QAction *notes = window->findChild<QAction *>(QStringLiteral("lesson_notes_edit"));
        QAction *exportImage = window->figureExport()->exportAction();
        const auto englishNotes = dialogTexts(notes);
        const auto englishExport = dialogTexts(exportImage);
        QVERIFY(!englishNotes.isEmpty() && !englishExport.isEmpty());

        choose(QLatin1String(kPseudo));
        QCOMPARE(QSettings().value(QLatin1String(Languages::kSettingsKey)).toString(), QLatin1String(kPseudo));
        QVERIFY(menu->findChild<QAction *>(QStringLiteral("language_pseudo"))->isChecked());
        QStringList missed = untranslated(textsOf(window.get()));
        missed += untranslated(dialogTexts(notes));
        missed += untranslated(dialogTexts(exportImage));
        for (const QString &line : std::as_const(missed))
            qWarning("not translated: %s", qPrintable(line));
        QVERIFY2(missed.isEmpty(), "texts not translated, listed above");

        // Back in English, every text is what it was.
        choose(QStringLiteral("en"));
        const auto again = textsOf(window.get());
        QStringList changed;
        for (qsizetype t = 0; t < std::max(english.size(), again.size()); ++t)
            if (english.value(t) != again.value(t))
                changed << english.value(t).first + QStringLiteral(": ") + english.value(t).second + QStringLiteral(" -> ") +
                               again.value(t).first + QStringLiteral(": ") + again.value(t).second;
        for (const QString &line : std::as_const(changed))
            qWarning("not as before: %s", qPrintable(line));
        QVERIFY2(changed.isEmpty(), "texts not as before, listed above");
        QCOMPARE(dialogTexts(notes), englishNotes);
        QCOMPARE(dialogTexts(exportImage), englishExport);
    }

    // The shipped languages load, the program's texts and Qt's own buttons
    // (Debian's Qt translations) alike, and English comes back.
    void shippedLanguagesLoad_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("view");   // the View menu's title
        QTest::addColumn<QString>("cancel"); // Qt's Cancel button
        QTest::newRow("German") << "de" << "&Ansicht" << "Abbrechen";
        QTest::newRow("French") << "fr" << "&Affichage" << "Annuler";
        QTest::newRow("Spanish") << "es" << "&Ver" << "Cancelar";
        QTest::newRow("Chinese") << "zh_CN" << "视图(&V)" << "取消";
    }

    void shippedLanguagesLoad()
    {
        QFETCH(QString, code);
        if (Languages::of(QCoreApplication::instance())->current() != QLatin1String("en"))
            choose(QStringLiteral("en")); // a row that failed left its language on
        if (!window) {
            window = std::make_unique<GLObjectWindow>();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
        const auto viewTitle = [this] {
            for (QAction *a : window->menuBar()->actions())
                if (a->menu() && a->menu()->actions().contains(window->findChild<QAction *>(QStringLiteral("present"))))
                    return a->text();
            return QString();
        };
        const auto cancelText = [] {
            QDialogButtonBox box(QDialogButtonBox::Cancel);
            return box.button(QDialogButtonBox::Cancel)->text();
        };
        const QString englishCancel = cancelText();
        const auto englishTexts = textsOf(window.get());
        const QStringList englishWords = coreSentences();
        choose(code);
        // Nothing a user reads left as its English source, in the window
        // and in what the core says of a seeded set of networks and questions.
        QStringList same;
        const auto translatedTexts = textsOf(window.get());
        // By where each text is; a menu item known by its text has no
        // place in common across languages and is looked at as a menu's item.
        QHash<QString, QString> english;
        for (const auto &[where, text] : englishTexts)
            english.insert(where, text);
        for (const auto &[where, text] : translatedTexts)
            if (english.value(where) == text && !untranslatedByDesign(where, text) && !sameInBothLanguages(code, text))
                same << where + QStringLiteral(": ") + text;
        const QStringList words = coreSentences();
        for (qsizetype w = 0; w < words.size(); ++w)
            if (words[w] == englishWords[w] && !untranslatedByDesign(QString(), words[w]))
                same << QStringLiteral("core: ") + words[w];
        QVERIFY2(same.isEmpty(), qPrintable(same.join(QLatin1Char('\n'))));
        QTEST(viewTitle(), "view");
        QTEST(cancelText(), "cancel");
        // Longer words still fit: no button the user can see cut short, in
        // each dock brought to the top of its tabs in turn, once the window
        // has laid itself out again.
        const auto cutButtons = [this] {
            QStringList cut;
            for (QDockWidget *dock : window->findChildren<QDockWidget *>()) {
                if (dock->isHidden())
                    continue;
                dock->raise();
                QCoreApplication::processEvents();
                for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
                    if (!button->visibleRegion().isEmpty() && !button->text().isEmpty() &&
                        button->width() < button->sizeHint().width())
                        cut << QStringLiteral("%1 \"%2\": %3 < %4")
                                   .arg(button->objectName(), button->text())
                                   .arg(button->width())
                                   .arg(button->sizeHint().width());
            }
            cut.removeDuplicates();
            window->findChild<QDockWidget *>(QStringLiteral("routes"))->raise();
            return cut;
        };
        QStringList cut = cutButtons();
        for (int tries = 0; tries < 20 && !cut.isEmpty(); ++tries) {
            QTest::qWait(50);
            cut = cutButtons();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        choose(QStringLiteral("en"));
        QCOMPARE(viewTitle(), QStringLiteral("&View"));
        QCOMPARE(cancelText(), englishCancel);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
