#include "config/form2.h"

#include "browser/chargeurapercu.h"
#include "config/form2textes.h"
#include "controls/captionpanel.h"
#include "controls/optionbutton.h"
#include "controls/picturebutton.h"
#include "platform/services.h"
#include "startup/module1.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

Form2::Form2(Module1& module, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), CommonDialog1(module.services.files),
      album(module.services.settings, module.services.prompts, module.services.files,
            module.DossierProgramme),
      m_module(module) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Form2Textes::Legende);
    setFixedSize(777, 536);
    // Without a system frame many window managers would put it in a corner.
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    CreerControles();
    ChargerImages();
    Apercu = new ChargeurApercu(module.services.pictures, this);
    connect(Apercu, &ChargeurApercu::pret, this, &Form2::MontrerApercu);
    Connecter();
    Form_Load();
}

// The controls outlive this body (the widget base deletes them): none of their last signals
// may reach handlers of a dialog that is half gone.
Form2::~Form2() {
    Timer1.stop();
    Timer2.stop();
    const QList<QObject*> enfants = findChildren<QObject*>();
    for (QObject* enfant : enfants) {
        enfant->disconnect(this);
        enfant->removeEventFilter(this);
    }
}

void Form2::Connecter() {
    for (int i = 0; i < 6; ++i) {
        const auto survol = [this, i] { Boutons_MouseMove(i); };
        const auto sortie = [this, i] { Boutons_MouseExit(i); };
        connect(Boutons[i], &PictureButton::clicked, this, [this, i] { Boutons_Click(i); });
        connect(TBoutons[i], &PictureButton::clicked, this, [this, i] { TBoutons_Click(i); });
        for (PictureButton* b : {Boutons[i], TBoutons[i]}) {
            connect(b, &PictureButton::pointerEntered, this, survol);
            connect(b, &PictureButton::pointerMoved, this, survol);
            connect(b, &PictureButton::pointerLeft, this, sortie);
        }
    }
    connect(Menu[1], &PictureButton::clicked, this, [this] { Menu_Click(1); });
    connect(Menu[1], &PictureButton::pointerEntered, this, [this] { Menu_MouseEnter(1); });
    connect(Menu[1], &PictureButton::pointerLeft, this, [this] { Menu_MouseExit(1); });

    connect(Combo1, &QListWidget::currentRowChanged, this, [this] { Combo1_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(Tit[i], &OptionButton::selected, this, [this, i] { Tit_Click(i); });
        connect(Position[i], &OptionButton::selected, this, [this, i] { Position_Click(i); });
    }
    connect(Jour, &QComboBox::currentIndexChanged, this, [this] { Jour_Click(); });

    // An entry chosen by the user or the program is previewed; a click on the entry already
    // chosen previews it again. The list giving an entry the focus alone chooses nothing.
    connect(ListeS, &QListWidget::itemSelectionChanged, this, [this] { ListeS_Click(); });
    connect(ListeS, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ListeS->row(item) == m_ligneAvantClic)
            ListeS_Click();
    });
    connect(Supp, &QAction::triggered, this, &Form2::Supp_Click);

    connect(&Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form2::Timer2_Timer);
    Timer1.setInterval(0);
    Timer2.setInterval(0);

    connect(APropos, &CaptionPanel::pointerMoved, this, &Form2::FermerAPropos);
    connect(Cadre, &PictureButton::pointerEntered, this, &Form2::Cadre_MouseMove);
    connect(Cadre, &PictureButton::pointerMoved, this, &Form2::Cadre_MouseMove);
    ListeS->viewport()->installEventFilter(this);
    SSSCroll->viewport()->installEventFilter(this);
    SSSCroll->widget()->installEventFilter(this);
    for (QLabel* l : L)
        l->installEventFilter(this);
    Titre->installEventFilter(this);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == ListeS->viewport()) {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF p = e->position();
        if (e->button() == Qt::RightButton) {
            // The menu acts on the entry chosen before: the right button never changes it.
            ListeS_MouseDown(2, 0, p.x(), p.y());
            return true;
        }
        m_ligneAvantClic = EntreeChoisie();
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == ListeS->viewport())
            ListeS_MouseMove();
        else if (watched == SSSCroll->viewport() || watched == SSSCroll->widget())
            SSSCroll_MouseMove();
        else if (std::find(L.begin(), L.end(), watched) != L.end())
            FermerAPropos();
    }
    if (watched == Titre && DeplacerFenetre(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// The window has no system frame: its title panel moves it. The window manager does the move
// where it can; otherwise the window follows the pointer.
bool Form2::DeplacerFenetre(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        if (windowHandle() && windowHandle()->startSystemMove())
            return true;
        m_deplacement = true;
        m_prisePosition = e->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!m_deplacement || !(e->buttons() & Qt::LeftButton))
            return false;
        move(e->globalPosition().toPoint() - m_prisePosition);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_deplacement = false;
        return false;
    default:
        return false;
    }
}
