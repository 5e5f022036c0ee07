#include "AboutDialog.h"

#include "AboutDialogTemplate.h"
#include "FakeLinkOpener.h"
#include "IconResource.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "Resources.h"
#include "UiTestCase.h"

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace glyphsmith {
namespace {

using namespace res;

const ColorRef kBlack = Rgb(0, 0, 0);
const ColorRef kRed = Rgb(255, 0, 0);
const ColorRef kBlue = Rgb(0, 0, 255);
const ColorRef kGreen = Rgb(0, 128, 0);

constexpr int kLinkLabels[] = {kProgramLabel, kFirstDeveloperLabel, kSecondDeveloperLabel,
                               kMakerLabel};

QLabel* LabelOf(ui::Dialog& dialog, int id) {
    return qobject_cast<QLabel*>(dialog.GetDlgItem(id));
}

// The About box as MainDialog opens it, checked for links that nobody has opened.
void ExpectUnvisited(ui::Dialog& shown) {
    auto& about = dynamic_cast<AboutDialog&>(shown);
    for (const int id : kLinkLabels) {
        QVERIFY(!about.LinkOn(id)->Visited());
        QCOMPARE(about.LinkOn(id)->TextColor(), kBlack);
    }
}

class AboutDialogTest : public test::UiTestCase {
    Q_OBJECT

  private slots:
    void theBoxIsTemplate100() {
        test::FakeLinkOpener opener;
        AboutDialog about(nullptr, opener);
        QStringList texts;
        QWidget* focused = nullptr;
        const int result = Run(about, [&](ui::Dialog& shown) {
            for (QLabel* label : shown.findChildren<QLabel*>()) {
                texts << label->text();
            }
            focused = shown.focusWidget();
            QTest::keyClick(&shown, Qt::Key_Return);
        });
        QCOMPARE(result, ui::IDOK);
        QCOMPARE(about.windowTitle(), "About Glyphsmith for TeX4ht");
        QCOMPARE(texts,
                 QStringList({"", "Glyphsmith for TeX4ht v 0.22", "the team",
                              "Copyright (C) 2026 Ostrelan", "contributors", "Developer:", "and"}));
        QCOMPARE(focused, about.GetDlgItem(ui::IDOK));
        QVERIFY(qobject_cast<QPushButton*>(focused)->isDefault());
        const QLabel* icon = about.findChildren<QLabel*>().first();
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        QCOMPARE(icon->pixmap().toImage(), ui::IconResource(kApplicationIconId).pixmap(32).toImage());
        QVERIFY(opener.desktopOpens.empty());
    }

    void theLinksOpenTheirAddressesInTheirColours() {
        test::FakeLinkOpener opener;
        AboutDialog about(nullptr, opener);
        // Only the name and version keep the ordinary pointer.
        const std::vector<std::tuple<int, std::string, ColorRef, bool>> links = {
            {kProgramLabel, "https://tug.org/tex4ht/", kBlue, false},
            {kMakerLabel, "https://glyphsmith.example.org/", kBlue, true},
            {kFirstDeveloperLabel, "https://example.org/~dev/", kGreen, true},
            {kSecondDeveloperLabel, "mailto:contributors@example.org", kGreen, true},
        };
        Run(about, [&](ui::Dialog&) {
            for (const auto& [id, address, hover, linkCursor] : links) {
                QLabel* label = LabelOf(about, id);
                HyperLink& link = *about.LinkOn(id);
                QCOMPARE(label->toolTip().toStdString(), address);
                QCOMPARE(label->testAttribute(Qt::WA_SetCursor), linkCursor);
                QCOMPARE(label->cursor().shape(),
                         linkCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
                QVERIFY(!label->font().underline());
                QCOMPARE(link.TextColor(), kBlack);
                QTest::mouseMove(label, label->rect().center());
                QCOMPARE(link.TextColor(), hover);
                QTest::mouseClick(label, Qt::LeftButton);
                QVERIFY(link.Visited());
                QTest::mouseMove(&about, QPoint(1, 1));
                QCOMPARE(link.TextColor(), kRed);
            }
            about.EndDialog(ui::IDOK);
        });
        std::vector<std::string> opened;
        for (const auto& link : links) {
            opened.push_back(std::get<std::string>(link));
        }
        QCOMPARE(opener.desktopOpens, opened);
    }

    // The labels shrink or grow to their texts with their left and top edges kept, and
    // none runs into another control or out of the box.
    void theFittedLinksKeepTheirPlaces() {
        AboutDialog about;
        if (QFontInfo(about.font()).family() != QStringLiteral("DejaVu Sans")) {
            QSKIP("the pixel sizes below are those of DejaVu Sans 8 pt");
        }
        Run(about, [&](ui::Dialog&) {
            QCOMPARE(about.size(), QSize(354, 85));
            QCOMPARE(LabelOf(about, kProgramLabel)->pos(), QPoint(58, 13));
            QCOMPARE(LabelOf(about, kMakerLabel)->pos(), QPoint(58, 39));
            QCOMPARE(LabelOf(about, kFirstDeveloperLabel)->pos(), QPoint(138, 60));
            QCOMPARE(LabelOf(about, kSecondDeveloperLabel)->pos(), QPoint(233, 60));
            const QList<QWidget*> controls =
                about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* control : controls) {
                QVERIFY(about.rect().contains(control->geometry()));
                for (QWidget* other : controls) {
                    QVERIFY2(
                        other == control || !control->geometry().intersects(other->geometry()),
                        qPrintable(control->objectName() + " overlaps " + other->objectName()));
                }
            }
            about.EndDialog(ui::IDOK);
        });
    }

    void everyOpeningFromTheMainWindowIsANewBox() {
        MainDialog window;
        Run(window, [&](ui::Dialog&) {
            scene().seam.OnNextDialog([&](ui::Dialog& shown) {
                QCOMPARE(shown.parentWidget(), &window);
                auto& about = dynamic_cast<AboutDialog&>(shown);
                for (const int id : kLinkLabels) {
                    about.LinkOn(id)->MarkVisited(true);
                    QCOMPARE(about.LinkOn(id)->TextColor(), kRed);
                }
                QTest::keyClick(&shown, Qt::Key_Escape);
            });
            QTest::mouseClick(window.GetDlgItem(kAboutButton), Qt::LeftButton);

            scene().seam.OnNextDialog([&](ui::Dialog& shown) {
                ExpectUnvisited(shown);
                shown.EndDialog(ui::IDOK);
            });
            QTest::mouseClick(window.GetDlgItem(kAboutButton), Qt::LeftButton);
            QVERIFY(window.isVisible());
            window.EndDialog(ui::IDCANCEL);
        });
    }

    void theSystemMenuEntryOpensTheBox() {
        MainDialog window;
        QString title;
        Run(window, [&](ui::Dialog&) {
            scene().seam.OnNextDialog([&](ui::Dialog& shown) {
                title = shown.windowTitle();
                ExpectUnvisited(shown);
                shown.close();
            });
            scene().seam.OnNextMenu("&About Glyphsmith for TeXht...");
            QContextMenuEvent onBackground(QContextMenuEvent::Mouse, QPoint(3, 3),
                                           window.mapToGlobal(QPoint(3, 3)));
            QApplication::sendEvent(&window, &onBackground);
            window.EndDialog(ui::IDCANCEL);
        });
        QCOMPARE(title, "About Glyphsmith for TeX4ht");
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::AboutDialogTest)
#include "AboutDialogTest.moc"
