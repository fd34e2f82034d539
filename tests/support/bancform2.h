#pragma once

// The configuration dialog over test doubles, with its end of program counted instead of done.

#include "browser/chargeurapercu.h"
#include "config/form2.h"
#include "doubles.h"
#include "platform/services.h"
#include "startup/module1.h"

#include <QTest>
#include <memory>

struct BancForm2 {
    TestServices ts;
    Module1 module{ts.services};
    int fins = 0;
    std::unique_ptr<Form2> form;

    explicit BancForm2(Services* services = nullptr) : module(services ? *services : ts.services) {
        module.FinProgramme = [this] { ++fins; };
        module.DossierProgramme = QStringLiteral("/opt/lumivane");
    }
    Form2& ouvrir() {
        form = std::make_unique<Form2>(module);
        form->DureeGlissement = 0;
        attendreApercu();
        return *form;
    }
    Form2& montrer() {
        ouvrir();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not exposed");
        return *form;
    }
    // The preview is loaded off the UI thread; its result is in place once this returns.
    void attendreApercu() {
        if (!QTest::qWaitFor([this] { return !form->Apercu->occupe(); }))
            qFatal("preview never loaded");
    }
    QString lire(const QString& section, const QString& cle) const {
        return ts.settings.read(section, cle, QStringLiteral("absent"));
    }
};
