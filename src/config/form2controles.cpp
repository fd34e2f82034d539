// The controls of the dialog at their design places (twips), with their fonts and colours.
#include "browser/nophoto.h"
#include "controls/decor.h"
#include "config/form2.h"
#include "config/form2textes.h"
#include "controls/captionpanel.h"
#include "controls/fonts.h"
#include "controls/frame.h"
#include "controls/gaugepanel.h"
#include "controls/optionbutton.h"
#include "controls/picturebutton.h"
#include "controls/twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>

namespace {

const QColor Blanc(255, 255, 255);
const QColor TexteListe(192, 192, 255);
const QColor FondPanneau(26, 46, 58);
const QColor TextePanneau(222, 232, 236);
const QColor FondAPropos(240, 238, 228);

template <typename W> W* nomme(W* w, const QString& nom) {
    w->setObjectName(nom);
    return w;
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QColor& couleur,
                  bool gras = false) {
    auto* l = nomme(new QLabel(texte, parent), nom);
    l->setFont(dialogFont(gras));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, couleur);
    l->setPalette(pal);
    return l;
}

void colorerListe(QAbstractItemView* v, const QColor& fond, const QColor& texte) {
    QPalette pal = v->palette();
    pal.setColor(QPalette::Base, fond);
    pal.setColor(QPalette::Text, texte);
    v->setPalette(pal);
    v->setFont(dialogFont());
}

CaptionPanel* panneau(QWidget* parent, const QString& nom) {
    auto* p = nomme(new CaptionPanel(parent), nom);
    p->setBackColor(FondPanneau);
    p->setBevel(CaptionPanel::Bevel::Raised);
    return p;
}

// A line of the notice with `marque` replaced by blanks that leave the pixels from `debut` to
// `fin` free for a word laid over them.
QString ligneAvecPlace(const QString& ligne, const QString& marque, int debut, int fin,
                       const QFontMetrics& fm) {
    const qsizetype at = ligne.indexOf(marque);
    if (at < 0)
        return ligne;
    QString avant = ligne.left(at);
    while (fm.horizontalAdvance(avant + u' ') <= debut)
        avant += u' ';
    QString blanc = avant;
    while (fm.horizontalAdvance(blanc) < fin)
        blanc += u' ';
    return blanc + ligne.mid(at + marque.size());
}

} // namespace

void Form2::CreerControles() {
    SSSplash1 = nomme(new CaptionPanel(this), QStringLiteral("SSSplash1"));
    Twips::placer(SSSplash1, 0, 0, 11655, 8040);
    SSSplash1->setMouseTracking(false);

    Titre = nomme(new CaptionPanel(SSSplash1), QStringLiteral("Titre"));
    Twips::placer(Titre, 1440, 120, 5895, 255);
    Titre->setCaption(Form2Textes::Titre);
    Titre->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Titre->setFont(dialogFont(true));
    Titre->setCursor(Qt::SizeAllCursor);

    Menu[1] = nomme(new PictureButton(SSSplash1), QStringLiteral("Menu1"));
    Twips::placer(Menu[1], 11160, 480, 255, 270);
    Menu[1]->setToolTip(Form2Textes::Fermer);

    CreerBarreCommandes();

    SSFrame3 = nomme(new Frame(SSSplash1), QStringLiteral("SSFrame3"));
    Twips::placer(SSFrame3, 1300, 420, 6430, 375);
    Label1 = etiquette(SSFrame3, QStringLiteral("Label1"), Form2Textes::Album, TextePanneau);
    Twips::placer(Label1, 120, 75, 700, 225);
    TitreAlbum = etiquette(SSFrame3, QStringLiteral("TitreAlbum"), QString(), Blanc, true);
    Twips::placer(TitreAlbum, 840, 75, 2460, 225);
    PB = nomme(new GaugePanel(SSFrame3), QStringLiteral("PB"));
    Twips::placer(PB, 3360, 90, 2895, 195);

    ListeS = nomme(new QListWidget(SSSplash1), QStringLiteral("ListeS"));
    Twips::placer(ListeS, 1320, 800, 6400, 6465);
    colorerListe(ListeS, Qt::black, TexteListe);
    ListeS->viewport()->setMouseTracking(true);

    SSSCroll = nomme(new QScrollArea(SSSplash1), QStringLiteral("SSSCroll"));
    Twips::placer(SSSCroll, 1320, 800, 6375, 6495);
    SSSCroll->setVisible(false);
    SSSCroll->viewport()->setMouseTracking(true);
    auto* contenu = nomme(new QWidget, QStringLiteral("SSSCrollContenu"));
    contenu->setMouseTracking(true);
    contenu->resize(SSSCroll->viewport()->size());
    CadreIm.append(nomme(new QLabel(contenu), QStringLiteral("CadreIm0")));
    Twips::placer(CadreIm[0], 200, 360, 1305, 1245);
    CadreIm[0]->setFrameShape(QFrame::Box);
    CadreIm[0]->setStyleSheet(QStringLiteral("background-color: rgb(128, 128, 255);"));
    CadreIm[0]->setVisible(false);
    Im.append(nomme(new QLabel(contenu), QStringLiteral("Im0")));
    Twips::placer(Im[0], 480, 600, 735, 735);
    Im[0]->setVisible(false);
    Nophoto = nomme(new QLabel(contenu), QStringLiteral("Nophoto"));
    Nophoto->setPixmap(QPixmap::fromImage(ImageNophoto()));
    Nophoto->adjustSize();
    Nophoto->setVisible(false);
    SSSCroll->setWidget(contenu);

    CreerOptions();
    CreerPanneauJour();

    Cadre = nomme(new PictureButton(SSSplash1), QStringLiteral("Cadre"));
    Twips::placer(Cadre, 8040, 4200, 3255, 2775);
    Cadre->setToolTip(Form2Textes::OuvrirImage);
    Photo = nomme(new QLabel(SSSplash1), QStringLiteral("Photo"));
    Photo->setGeometry(Cadre->geometry());
    Photo->setScaledContents(true);
    Photo->setVisible(false);

    CreerAPropos();
    CreerMenus();
}

void Form2::CreerMenus() {
    Menus = nomme(new QMenu(this), QStringLiteral("Menus"));
    Supp = Menus->addAction(Form2Textes::Supp);
    Supp->setObjectName(QStringLiteral("Supp"));
    Paper = Menus->addAction(Form2Textes::Paper);
    Paper->setObjectName(QStringLiteral("Paper"));
}

void Form2::CreerBarreCommandes() {
    struct Place {
        double iconeGauche, iconeHaut, iconeHauteur, legendeHaut, legendeLargeur, legendeHauteur;
    };
    static constexpr std::array<Place, 6> places = {{
        {240, 600, 795, 1370, 975, 255},
        {240, 2880, 795, 3650, 975, 255},
        {240, 3960, 795, 4730, 975, 255},
        {280, 1650, 750, 2415, 1000, 420},
        {240, 5200, 795, 6000, 975, 255},
        {240, 6300, 795, 7080, 975, 255},
    }};
    for (int i = 0; i < 6; ++i) {
        const Place& p = places[std::size_t(i)];
        Boutons[i] = nomme(new PictureButton(SSSplash1), QStringLiteral("Boutons%1").arg(i));
        Twips::placer(Boutons[i], p.iconeGauche, p.iconeHaut, 975, p.iconeHauteur);
        TBoutons[i] = nomme(new PictureButton(SSSplash1), QStringLiteral("TBoutons%1").arg(i));
        Twips::placer(TBoutons[i], 240, p.legendeHaut, p.legendeLargeur, p.legendeHauteur);
        TBoutons[i]->setCaption(Form2Textes::Commandes[i]);
        TBoutons[i]->setTextColor(Blanc);
        Boutons[i]->setCursor(Qt::PointingHandCursor);
        TBoutons[i]->setCursor(Qt::PointingHandCursor);
    }
    // "Email" has no command.
    Boutons[4]->setVisible(false);
    TBoutons[4]->setVisible(false);
}

void Form2::CreerOptions() {
    SSPanel1 = panneau(SSSplash1, QStringLiteral("SSPanel1"));
    Twips::placer(SSPanel1, 8040, 960, 3255, 1860);
    Label3 = etiquette(SSPanel1, QStringLiteral("Label3"), Form2Textes::Vitesse, TextePanneau);
    Twips::placer(Label3, 20, 20, 1900, 210);
    Combo1 = nomme(new QListWidget(SSPanel1), QStringLiteral("Combo1"));
    Twips::placer(Combo1, 30, 240, 1890, 1590);
    colorerListe(Combo1, QColor(64, 64, 64), TexteListe);
    Combo1->setFrameShape(QFrame::NoFrame);
    Combo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    Label5 = etiquette(SSPanel1, QStringLiteral("Label5"), Form2Textes::TitrePhoto, TextePanneau);
    Twips::placer(Label5, 2025, 0, 1230, 420);
    Label5->setWordWrap(true);
    SSPanel2 = nomme(new CaptionPanel(SSPanel1), QStringLiteral("SSPanel2"));
    Twips::placer(SSPanel2, 1920, 480, 1335, 255);
    for (int i = 0; i < 2; ++i) {
        Tit[i] = nomme(new OptionButton(Form2Textes::OuiNon[i], SSPanel2),
                       QStringLiteral("Tit%1").arg(i));
        Twips::placer(Tit[i], i == 0 ? 0 : 720, 0, i == 0 ? 720 : 615, 255);
        Tit[i]->setTextColor(TextePanneau);
        Position[i] = nomme(new OptionButton(Form2Textes::Positions[i], SSPanel1),
                            QStringLiteral("Position%1").arg(i));
        Twips::placer(Position[i], 1920, i == 0 ? 1200 : 1440, 1335, 240);
        Position[i]->setTextColor(TextePanneau);
    }
}

void Form2::CreerPanneauJour() {
    SSPanel4 = panneau(SSSplash1, QStringLiteral("SSPanel4"));
    Twips::placer(SSPanel4, 8040, 2880, 3255, 1215);
    SSPanel4->setToolTip(Form2Textes::FondsSemaine);
    Label6 = etiquette(SSPanel4, QStringLiteral("Label6"), Form2Textes::Jour, TextePanneau);
    Twips::placer(Label6, 240, 180, 435, 195);
    Jour = nomme(new QComboBox(SSPanel4), QStringLiteral("Jour"));
    Twips::placer(Jour, 720, 120, 1215, 315);
    Jour->setFont(dialogFont());

    const auto bouton = [this](const QString& nom, double l, double t, double w, double h) {
        auto* b = nomme(new PictureButton(SSPanel4), nom);
        Twips::placer(b, l, t, w, h);
        return b;
    };
    Sel = bouton(QStringLiteral("Sel"), 2040, 120, 400, 450);
    Sel->setToolTip(Form2Textes::ChoisirImage);
    TSel = bouton(QStringLiteral("TSel"), 2400, 180, 705, 255);
    TSel->setCaption(Form2Textes::Choisir);
    Valider = bouton(QStringLiteral("Valider"), 1800, 600, 400, 495);
    Valider->setToolTip(Form2Textes::ConfirmerImage);
    TValider = bouton(QStringLiteral("TValider"), 2160, 675, 945, 255);
    TValider->setCaption(Form2Textes::Selection);
    DeValider = bouton(QStringLiteral("DeValider"), 1080, 600, 400, 495);
    DeValider->setToolTip(Form2Textes::SupprimerImage);
    TDevalider = bouton(QStringLiteral("TDevalider"), 50, 670, 1065, 255);
    TDevalider->setCaption(Form2Textes::Deselection);
}

void Form2::CreerAPropos() {
    APropos = nomme(new CaptionPanel(SSSplash1), QStringLiteral("APropos"));
    Twips::placer(APropos, 8040, 960, 3255, 3200);
    APropos->setBackColor(FondAPropos);
    APropos->setBevel(CaptionPanel::Bevel::Raised);

    L[0] =
        etiquette(APropos, QStringLiteral("L0"), Form2Textes::NomVersion, QColor(255, 0, 0), true);
    Twips::placer(L[0], 120, 120, 3000, 390);
    L[0]->setFont([] {
        QFont f = dialogFont(true);
        f.setPointSizeF(12);
        return f;
    }());
    L[1] = etiquette(APropos, QStringLiteral("L1"), QString(), Qt::black);
    Twips::placer(L[1], 120, 600, 3000, 2460);
    L[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L[2] = etiquette(APropos, QStringLiteral("L2"), Form2Textes::AdresseWeb, QColor(128, 0, 0));
    Twips::placer(L[2], 120, 2900, 3000, 195);
    QFont souligne = dialogFont();
    souligne.setUnderline(true);
    L[2]->setFont(souligne);
    L[3] = etiquette(APropos, QStringLiteral("L3"), Form2Textes::Freeware, QColor(0, 0, 255));
    Twips::placer(L[3], 700, 600, 825, 195);
    L[4] = etiquette(APropos, QStringLiteral("L4"), Form2Textes::Gratuit, QColor(0, 0, 255));
    Twips::placer(L[4], 1850, 990, 645, 195);
    for (int k : {3, 4})
        L[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (QLabel* l : L)
        l->setMouseTracking(true);

    // The notice leaves blanks under the two blue words, on the lines where they stand.
    const QFontMetrics fm(L[1]->font());
    QStringList lignes = Form2Textes::Notice;
    const auto reserver = [&](int k, const QString& marque) {
        const QRect r = L[k]->geometry().translated(-L[1]->x(), -L[1]->y());
        const int ligne = qBound(0, r.top() / qMax(1, fm.lineSpacing()), int(lignes.size()) - 1);
        const int largeur = fm.horizontalAdvance(L[k]->text());
        const int debut = r.left() + (r.width() - largeur) / 2;
        lignes[ligne] = ligneAvecPlace(lignes[ligne], marque, debut, debut + largeur, fm);
    };
    reserver(3, QStringLiteral("%1"));
    reserver(4, QStringLiteral("%2"));
    // With a font whose lines fall elsewhere, the word stays in the text itself.
    L[1]->setText(lignes.join(u'\n')
                      .replace(QStringLiteral("%1"), Form2Textes::Freeware)
                      .replace(QStringLiteral("%2"), Form2Textes::Gratuit));
}

void Form2::ChargerImages() {
    for (int i = 0; i < 6; ++i)
        for (const QImage& im : Decor::imagesCommande(i))
            ImageList1[std::size_t(i)].add(im);
    for (const QImage& im : Decor::imagesJour())
        ImageList2.add(im);
    SSSplash1->setPicture(Decor::fond(SSSplash1->size()));
    Menu[1]->setPictureUp(Decor::fermer(false));
    Menu[1]->setPictureStored(Decor::fermer(false));
    Menu[1]->setPictureDown(Decor::fermer(true));
}
