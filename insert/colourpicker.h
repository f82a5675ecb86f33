#pragma once

class Form1;

// Tools › Color Picker: the colour the user chooses goes into the document as a
// comment holding its code; a cancelled choice inserts nothing.
void pickColour(Form1 &form);
