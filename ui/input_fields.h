// The seven input fields of the main dialog, as data.
#ifndef BRACING_UI_INPUT_FIELDS_H
#define BRACING_UI_INPUT_FIELDS_H

#include "calc/bracing.h"

struct InputField {
    int id;                      // edit control
    const char* symbol;          // as on the dialog label
    const char* unit;
    double BracingInputs::*value;
};

constexpr int kInputFieldCount = 7;
extern const InputField kInputFields[kInputFieldCount];

// The field with this control ID, or null.
const InputField* FindInputField(int id);

// Sets the input that field `id` feeds, from a value or from the field's
// text. Returns false, changing nothing, when `id` is not an input field.
bool StoreFieldValue(BracingInputs& inputs, int id, double value);
bool StoreFieldText(BracingInputs& inputs, int id, const char* text);

#endif
