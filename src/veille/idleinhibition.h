#pragma once

// Whether the user's session holds idleness back: GNOME's session manager with its idle flag
// set, or a PowerManagement inhibition (KDE Plasma and XFCE forward
// org.freedesktop.ScreenSaver.Inhibit there). False where no session bus or neither service
// answers.
bool sessionInhibitsIdle();
