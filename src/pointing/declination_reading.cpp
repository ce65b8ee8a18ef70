#include "pointing/declination_reading.h"

#include "common/number_text.h"
#include "pointing/magnetic_declination.h"
#include "pointing/pointing_texts.h"

namespace tarvo {

DeclinationReading ReadDeclination(const MagneticDeclination* model, const std::string& modelError,
                                   double latNorth, double lonWest, const CalendarDate& date) {
    DeclinationReading reading;
    if (model == nullptr) {
        reading.note = "No magnetic model: " + modelError;
        return reading;
    }
    const double year = DecimalYear(date);
    if (!model->Covers(year)) {
        reading.note = "The magnetic model " + model->Name() + " covers " +
                       NumberText(model->FirstYear()) + " to " + NumberText(model->EndYear()) +
                       " only.";
        return reading;
    }
    if (!(latNorth <= 90)) {
        reading.note = "No declination for a latitude beyond 90 degrees.";
        return reading;
    }
    reading.degreesEast = model->DeclinationDeg(latNorth, -lonWest, year);
    if (!reading.degreesEast) {
        reading.note = "No declination here: the magnetic field has no horizontal part.";
        return reading;
    }
    reading.text = DeclinationText(*reading.degreesEast);
    reading.note = model->Name() + ", " + DateText(date);
    return reading;
}

}  // namespace tarvo
