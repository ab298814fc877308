#pragma once

namespace orvani {

// When a step that opens a page also hides the Orvani text box: not at all,
// just before the page is requested, or just after.
enum class BoxHiding { Never, BeforeOpening, AfterOpening };

} // namespace orvani
