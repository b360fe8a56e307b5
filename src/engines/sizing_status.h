#pragma once

// How a sizing run ended: a size chosen, no size large enough, a result that
// cannot be finite, or no demand to size for.
enum class SizingStatus { Sized, NotAvailable, Infinite, NothingToSize };
