#include "controls/fonts.h"
#include "controls/imagelist.h"
#include "controls/optionbutton.h"
#include "controls/picturebutton.h"
#include "controls/transitionpanel.h"
#include "decor/motsurligne.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {
QImage uni(const QColor& c, QSize s = QSize(4, 4)) {
    QImage im(s, QImage::Format_RGB32);
    im.fill(c);
    return im;
}
} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void protocolePression_data();
    void protocolePression();
    void relacheSansNouveauClic();
    void masque_data();
    void masque();
    void evenementsPointeur();
    void numerotationImageList_data();
    void numerotationImageList();
    void groupesDOptionsParParent();
    void motSurLigne_data();
    void motSurLigne();
    void fonduExact();
};

void TestControls::protocolePression_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("clicks");
    QTest::newRow("clic dedans") << true << QPoint(10, 10) << 1;
    QTest::newRow("relâché dehors") << true << QPoint(200, 200) << 0;
    QTest::newRow("désactivé") << false << QPoint(10, 10) << 0;
}

// A click sets the pressed state before the click event, which carries it.
void TestControls::protocolePression() {
    QFETCH(bool, enabled);
    QFETCH(QPoint, release);
    QFETCH(int, clicks);
    QWidget w;
    w.resize(300, 300);
    auto* b = new PictureButton(&w);
    b->setGeometry(0, 0, 40, 40);
    b->setEnabled(enabled);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QList<bool> stateSeen;
    connect(b, &PictureButton::clicked, b, [&](bool v) { stateSeen << v << b->value(); });
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(b, Qt::LeftButton, {}, release);
    QCOMPARE(stateSeen.size(), 2 * clicks);
    if (clicks) {
        QCOMPARE(stateSeen, (QList<bool>{true, true}));
        QVERIFY(b->value());
    } else {
        QVERIFY(!b->value());
    }
}

void TestControls::relacheSansNouveauClic() {
    PictureButton b;
    QSignalSpy spy(&b, &PictureButton::clicked);
    connect(&b, &PictureButton::clicked, &b, [&] { b.setValue(false); });
    b.click();
    QCOMPARE(spy.size(), 1);
    QVERIFY(!b.value());
    b.setValue(true);
    b.setValue(false);
    QCOMPARE(spy.size(), 1);
}

void TestControls::masque_data() {
    QTest::addColumn<QColor>("pixel");
    QTest::addColumn<QColor>("mask");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("couleur de masque cachée") << QColor(47, 55, 47) << QColor(47, 55, 47) << false;
    QTest::newRow("couleur voisine gardée") << QColor(47, 55, 48) << QColor(47, 55, 47) << true;
    QTest::newRow("sans masque") << QColor(47, 55, 47) << QColor() << true;
}

void TestControls::masque() {
    QFETCH(QColor, pixel);
    QFETCH(QColor, mask);
    QFETCH(bool, drawn);
    QImage im = uni(Qt::white);
    im.setPixelColor(1, 1, pixel);
    PictureButton b;
    b.setPictureUp(im);
    b.setMaskColor(mask);
    const QImage shown = b.shownPicture();
    QCOMPARE(qAlpha(shown.pixel(1, 1)) != 0, drawn);
    QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
}

void TestControls::evenementsPointeur() {
    QWidget w;
    w.resize(200, 200);
    auto* b = new PictureButton(&w);
    b->setGeometry(50, 50, 40, 40);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy entered(b, &PictureButton::pointerEntered);
    QSignalSpy moved(b, &PictureButton::pointerMoved);
    QSignalSpy left(b, &PictureButton::pointerLeft);
    QTest::mouseMove(&w, QPoint(10, 10));
    QTest::mouseMove(&w, QPoint(60, 65));
    QTRY_COMPARE(entered.size(), 1);
    QTest::mouseMove(&w, QPoint(62, 66));
    QTRY_VERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(2).toDouble(), 12.0);
    QCOMPARE(moved.last().at(3).toDouble(), 16.0);
    QTest::mouseMove(&w, QPoint(150, 150));
    QTRY_COMPARE(left.size(), 1);
}

void TestControls::numerotationImageList_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<QColor>("expected"); // invalid: the empty picture
    QTest::newRow("0") << 0 << QColor();
    QTest::newRow("premier") << 1 << QColor(Qt::red);
    QTest::newRow("troisième") << 3 << QColor(Qt::blue);
    QTest::newRow("après la fin") << 4 << QColor();
    QTest::newRow("négatif") << -1 << QColor();
}

void TestControls::numerotationImageList() {
    QFETCH(int, k);
    QFETCH(QColor, expected);
    ImageList list;
    list.add(uni(Qt::red));
    list.add(uni(Qt::green));
    list.add(uni(Qt::blue));
    QCOMPARE(list.count(), 3);
    const QImage im = list.picture(k);
    QCOMPARE(im.isNull(), !expected.isValid());
    if (expected.isValid())
        QCOMPARE(im.pixelColor(0, 0), expected);
    QCOMPARE(list.last().pixelColor(0, 0), QColor(Qt::blue));
    QVERIFY(ImageList().last().isNull());
}

// Options of one panel exclude each other; options of another panel are independent.
void TestControls::groupesDOptionsParParent() {
    QWidget outer;
    auto* inner = new QWidget(&outer);
    auto* a0 = new OptionButton(QStringLiteral("a0"), inner);
    auto* a1 = new OptionButton(QStringLiteral("a1"), inner);
    auto* b0 = new OptionButton(QStringLiteral("b0"), &outer);
    auto* b1 = new OptionButton(QStringLiteral("b1"), &outer);
    QSignalSpy a1Selected(a1, &OptionButton::selected);
    QSignalSpy a0Selected(a0, &OptionButton::selected);
    b0->setValue(true);
    a0->setValue(true);
    a1->setValue(true);
    QVERIFY(!a0->value());
    QVERIFY(b0->value());
    b1->setValue(true);
    QVERIFY(!b0->value());
    QVERIFY(a1->value());
    QCOMPARE(a1Selected.size(), 1);
    QCOMPARE(a0Selected.size(), 1); // only when it became selected, not when it was cleared
}

void TestControls::motSurLigne_data() {
    QTest::addColumn<QString>("ligne"); // the word's mark is %1
    QTest::addColumn<QString>("mot");
    QTest::newRow("mot long") << "Ce %1 peut être copié et" << QStringLiteral("Freeware");
    QTest::newRow("avant un point") << "qu'il est %1." << QStringLiteral("gratuit");
    QTest::newRow("sans marque") << "donné librement" << QStringLiteral("Freeware");
}

// The word stands where it would in the sentence: blanks only in its hole, and the spacing on
// either side of it within half a blank of the sentence's own.
void TestControls::motSurLigne() {
    QFETCH(QString, ligne);
    QFETCH(QString, mot);
    const QFontMetrics fm(dialogFont());
    const MotSurLigne m = poserMot(ligne, QStringLiteral("%1"), mot, fm);
    const qsizetype at = ligne.indexOf(QStringLiteral("%1"));
    if (at < 0) {
        QVERIFY(m.gauche == -1 && m.ligne == ligne);
        return;
    }
    const QString reste = ligne.mid(at + 2);
    const QString trou = m.ligne.mid(at, m.ligne.size() - at - reste.size());
    QVERIFY(m.ligne == ligne.left(at) + trou + reste && trou.trimmed().isEmpty());
    const int demiBlanc = (fm.horizontalAdvance(u' ') + 1) / 2;
    const int avant = m.gauche - fm.horizontalAdvance(ligne.left(at));
    const int apres =
        fm.horizontalAdvance(ligne.left(at) + trou) - m.gauche - fm.horizontalAdvance(mot);
    QVERIFY2(avant >= 0 && avant <= demiBlanc && apres >= 0 && apres <= demiBlanc,
             qPrintable(QStringLiteral("%1, %2").arg(avant).arg(apres)));
}

// The old picture laid over the new one at the fade-out opacity gives exactly what the new one
// drawn over the old one gives, at every step a painter makes and between steps.
void TestControls::fonduExact() {
    QImage from(261, 3, QImage::Format_RGB32);
    QImage to(from.size(), QImage::Format_RGB32);
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            from.setPixel(x, y, qRgb(x & 255, 255 - (x & 255), (x * 7 + y * 61) & 255));
            to.setPixel(x, y, qRgb((x * 13 + y * 29) & 255, (x * 3) & 255, (255 - x) & 255));
        }
    for (int half = 0; half <= 512; ++half) {
        const double t = half / 512.0;
        QImage expected = from;
        {
            QPainter p(&expected);
            p.setOpacity(t);
            p.drawImage(0, 0, to);
        }
        QImage fade = to;
        {
            QPainter p(&fade);
            p.setOpacity(TransitionPanel::fadeOutOpacity(t));
            p.drawImage(0, 0, from);
        }
        QVERIFY2(fade == expected, qPrintable(QString::number(t)));
    }
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
