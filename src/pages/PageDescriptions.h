#pragma once

namespace swted {

struct PageDescription;

// The description of the page of an index (0 to 7); nullptr for a page that
// is not built yet.
const PageDescription *PageDescriptionOf(int index);
// Whether the page of that index is built yet.
bool PageAvailable(int index);

} // namespace swted
