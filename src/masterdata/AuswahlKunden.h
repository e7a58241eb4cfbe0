#pragma once

#include "masterdata/KundenAdresse.h"

// The one-call lookups of the customer master for the forms of other
// families: the customer form in take-over mode; true and the address filled
// when the clerk took a customer, otherwise false and the address as it was.
bool AuswahlKunde(TKundenAdresse &adresse);
