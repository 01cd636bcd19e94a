#include "input_fields.h"

#include "control_ids.h"
#include "number_text.h"

#include <algorithm>

const InputField kInputFields[kInputFieldCount] = {
    {ID_H, "H", "m", &BracingInputs::H},
    {ID_B, "B", "m", &BracingInputs::B},
    {ID_N, "n", "", &BracingInputs::n},
    {ID_T, "T", "kN", &BracingInputs::T},
    {ID_W, "W", "kN", &BracingInputs::W},
    {ID_A, "A", "cm2", &BracingInputs::A},
    {ID_I, "i", "cm", &BracingInputs::i},
};

const InputField* FindInputField(int id) {
    const InputField* end = kInputFields + kInputFieldCount;
    const InputField* found = std::find_if(
        kInputFields, end, [id](const InputField& field) { return field.id == id; });
    return found == end ? nullptr : found;
}

bool StoreFieldValue(BracingInputs& inputs, int id, double value) {
    const InputField* field = FindInputField(id);
    if (field == nullptr) {
        return false;
    }
    inputs.*(field->value) = value;
    return true;
}

bool StoreFieldText(BracingInputs& inputs, int id, const char* text) {
    return StoreFieldValue(inputs, id, TextToNumber(text));
}
