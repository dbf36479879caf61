#pragma once

class QLineEdit;

/// A click into a masked field that holds nothing yet puts the cursor on its first position,
/// so what the user then types fills the field from its start, not from where the click fell.
void typeEmptyMaskFromTheStart(QLineEdit& field);
