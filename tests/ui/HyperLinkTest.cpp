#include "HyperLink.h"

#include "FakeLinkOpener.h"
#include "UiTestCase.h"

#include <QLabel>
#include <QTest>

namespace glyphsmith {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

enum : int { kLinkLabel = 201, kEmptyLabel = 202, kCentredLabel = 203 };

const QString kTarget = QStringLiteral("https://example.org/target");

// clang-format off
constexpr ControlTemplate kControls[] = {
    {kLinkLabel, ControlKind::Label, "a link", {10, 10, 100, 8}},
    {kEmptyLabel, ControlKind::Label, "", {10, 22, 100, 8}},
    {kCentredLabel, ControlKind::Label, "in the middle", {10, 34, 100, 20}, ui::kVerticalCenter},
    {ui::IDOK, ControlKind::PushButton, "OK", {10, 60, 40, 14}},
};
// clang-format on

const ui::DialogTemplate kTemplate{900, "Links", 130, 80, "Verdana", 8, kControls};

class LinkDialog : public ui::Dialog {
  public:
    LinkDialog() : Dialog(kTemplate) {}

    QLabel* Label(int id) const { return qobject_cast<QLabel*>(GetDlgItem(id)); }

    test::FakeLinkOpener opener;
    HyperLink link{opener};

    // Attaches the link to a label, as DDX_Control does.
    QLabel* Attach(int id, Qt::Alignment alignment = {}) {
        if (alignment != Qt::Alignment()) {
            Label(id)->setAlignment(alignment);
        }
        link.SubclassWindow(Label(id));
        return Label(id);
    }
};

int TextWidth(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

QColor DrawnColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class HyperLinkTest : public test::UiTestCase {
    Q_OBJECT

  private slots:
    void fittingFollowsTheAlignment_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<QRect>("fitted");
        const int top = Qt::AlignTop;
        const int middle = Qt::AlignVCenter;
        QTest::newRow("left") << int(Qt::AlignLeft | top) << QSize(40, 16) << QRect(10, 20, 40, 16);
        QTest::newRow("centre") << int(Qt::AlignHCenter | top) << QSize(40, 16)
                                << QRect(40, 20, 40, 16);
        QTest::newRow("centre, odd difference")
            << int(Qt::AlignHCenter | top) << QSize(41, 16) << QRect(39, 20, 42, 16);
        QTest::newRow("right") << int(Qt::AlignRight | top) << QSize(40, 16)
                               << QRect(70, 20, 40, 16);
        QTest::newRow("wider than the label, centred")
            << int(Qt::AlignHCenter | top) << QSize(130, 16) << QRect(-5, 20, 130, 16);
        QTest::newRow("wider than the label, right")
            << int(Qt::AlignRight | top) << QSize(130, 16) << QRect(-20, 20, 130, 16);
        QTest::newRow("taller, vertically centred")
            << int(Qt::AlignLeft | middle) << QSize(40, 16) << QRect(10, 19, 40, 15);
        QTest::newRow("lower, vertically centred")
            << int(Qt::AlignLeft | middle) << QSize(40, 8) << QRect(10, 22, 40, 9);
    }
    void fittingFollowsTheAlignment() {
        QFETCH(int, alignment);
        QFETCH(QSize, text);
        QFETCH(QRect, fitted);
        const QRect label(10, 20, 100, 13);
        QCOMPARE(FitRectToText(label, text, Qt::Alignment(alignment)), fitted);
    }

    // The label's own alignment and the link font decide the fit.
    void anAttachedLabelFitsItsText() {
        LinkDialog right;
        QRect before = right.Label(kLinkLabel)->geometry();
        const QLabel* label = right.Attach(kLinkLabel, Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(label->geometry(), QRect(before.right() - TextWidth(label) + 1, before.top(),
                                          TextWidth(label), QFontMetrics(label->font()).height()));

        LinkDialog middle;
        before = middle.Label(kCentredLabel)->geometry();
        const QRect after = middle.Attach(kCentredLabel)->geometry();
        QVERIFY(qAbs(after.center().y() - before.center().y()) <= 1);
        QCOMPARE(after.left(), before.left());
    }

    void attachingFillsTextAndTargetFromEachOther() {
        LinkDialog ownText;
        QLabel* label = ownText.Attach(kLinkLabel);
        QCOMPARE(Q(ownText.link.Target()), "a link");
        QCOMPARE(label->toolTip(), "a link");
        QCOMPARE(label->text(), "a link");
        QVERIFY(label->font().underline());
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);

        LinkDialog targetOnly;
        targetOnly.link.SetTarget(kTarget.toStdString());
        label = targetOnly.Attach(kEmptyLabel);
        QCOMPARE(label->text(), kTarget);
        QCOMPARE(label->toolTip(), kTarget);

        LinkDialog neither;
        label = neither.Attach(kEmptyLabel);
        QCOMPARE(label->text(), "");
        QCOMPARE(label->toolTip(), "");
        QCOMPARE(Q(neither.link.Target()), "");
        QCOMPARE(label->width(), 0);
    }

    void setTargetRefitsButShowUnderlineDoesNot() {
        LinkDialog dialog;
        QLabel* label = dialog.Attach(kLinkLabel);
        const QRect fitted = label->geometry();
        label->resize(300, 40);
        dialog.link.ShowUnderline(false);
        QVERIFY(!label->font().underline());
        QCOMPARE(label->size(), QSize(300, 40));
        dialog.link.SetTarget(kTarget.toStdString());
        QCOMPARE(label->toolTip(), kTarget);
        QCOMPARE(label->text(), "a link");
        QCOMPARE(label->geometry(), fitted);
    }

    // Each change of the pointer's place repaints at once, in the colour of the new state.
    void theColourFollowsPointerAndVisits() {
        LinkDialog dialog;
        QLabel* label = dialog.Attach(kLinkLabel);
        const ColorRef normal = Rgb(0, 0, 238);
        const ColorRef visited = Rgb(85, 26, 139);
        const ColorRef hover = Rgb(1, 2, 3);
        Run(dialog, [&](ui::Dialog&) {
            QCOMPARE(dialog.link.TextColor(), normal);
            dialog.link.SetLinkColors(normal, visited, hover);
            QTest::mouseMove(label, label->rect().center());
            QCOMPARE(dialog.link.TextColor(), hover);
            QCOMPARE(DrawnColor(label), ToQColor(hover));
            dialog.link.MarkVisited(true);
            QCOMPARE(dialog.link.TextColor(), hover);
            QTest::mouseMove(&dialog, QPoint(dialog.width() - 2, dialog.height() - 2));
            QCOMPARE(dialog.link.TextColor(), visited);
            QCOMPARE(DrawnColor(label), ToQColor(visited));
            dialog.link.MarkVisited(false);
            label->repaint();
            QCOMPARE(DrawnColor(label), ToQColor(normal));
            dialog.EndDialog(ui::IDOK);
        });
    }

    void theHoverColourDefaultsToTheHighlightColour() {
        const QPalette original = QApplication::palette();
        QPalette palette = original;
        palette.setColor(QPalette::Highlight, QColor(10, 20, 30));
        QApplication::setPalette(palette);
        LinkDialog dialog;
        QLabel* label = dialog.Attach(kLinkLabel);
        ColorRef fromConstruction = 0;
        ColorRef fromSetter = 0;
        Run(dialog, [&](ui::Dialog&) {
            QTest::mouseMove(label, label->rect().center());
            fromConstruction = dialog.link.TextColor();
            palette.setColor(QPalette::Highlight, QColor(40, 50, 60));
            QApplication::setPalette(palette);
            dialog.link.SetLinkColors(0, 0, kHighlightColor);
            fromSetter = dialog.link.TextColor();
            dialog.EndDialog(ui::IDOK);
        });
        QApplication::setPalette(original);
        QCOMPARE(fromConstruction, Rgb(10, 20, 30));
        QCOMPARE(fromSetter, Rgb(40, 50, 60));
    }

    // 33 is the least result that counts as opened; a failure beeps and explains its code.
    void aClickOpensTheTargetAndMarksTheOutcome() {
        LinkDialog dialog;
        dialog.link.SetTarget(kTarget.toStdString());
        QLabel* label = dialog.Attach(kLinkLabel);
        Run(dialog, [&](ui::Dialog&) {
            dialog.opener.desktopResult = 33;
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(dialog.link.Visited());
            dialog.opener.desktopResult = 32;
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(!dialog.link.Visited());
            dialog.opener.desktopResult = 26;
            QTest::mouseClick(label, Qt::LeftButton);
            dialog.opener.webPageCommand = "browser \"%1\"";
            dialog.opener.webPageResult = 33;
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(dialog.link.Visited());
            QTest::mouseClick(label, Qt::RightButton);
            dialog.EndDialog(ui::IDOK);
        });
        QCOMPARE(dialog.opener.desktopOpens, std::vector<std::string>(4, kTarget.toStdString()));
        const QString caption = QCoreApplication::applicationName();
        QCOMPARE(scene().seam.Messages(),
                 QStringList({test::Box(caption,
                                        "Unable to open hyperlink:\n\nThe specified dynamic-link "
                                        "library was not found.",
                                        ui::MB_ICONEXCLAMATION),
                              test::Box(caption,
                                        "Unable to open hyperlink:\n\nA sharing violation "
                                        "occurred. ",
                                        ui::MB_ICONEXCLAMATION)}));
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::HyperLinkTest)
#include "HyperLinkTest.moc"
