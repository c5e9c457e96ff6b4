#include "dsp/response/FilterResponse.h"

#include "dsp/response/FilterSections.h"

namespace corva {

void ComputeResponse(const FilterShape& shape, Response& response) {
    response.fill(0.0);
    const SectionSet set = FilterSections(shape);
    for (int k = 0; k < set.count; ++k) {
        AddSectionResponse(set.sections[static_cast<std::size_t>(k)], response);
    }
}

}  // namespace corva
