#pragma once

#include "pages/PageDescriptions.h"

namespace swted {

class Editor;
class PageHost;
class PageWindow;

// Creates the page window of an index, built and ready for LayoutForm;
// nullptr for a page that is not available.
PageWindow *CreatePage(int index, Editor &editor, PageHost &host);

} // namespace swted
