#pragma once

class QEvent;

// Whether `event` is the focus really leaving a field, the moment a field's
// leave rule runs (normalising an amount or a number). A context menu opening
// over the field, or another window coming to the front while the user is
// typing, takes the focus only for a while and is not a leave.
bool isFieldExit(const QEvent* event);
