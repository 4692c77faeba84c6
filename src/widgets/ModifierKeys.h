#pragma once

#include <Qt>

// Shift, Control, Alt, AltGr, Meta and the lock keys pressed alone: half of
// a key such as Shift+a, never a key of its own for the screens' key rules.
inline bool isModifierOnly(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}
