#pragma once

// How a sizing run ended, for every engine.
enum class SizingStatus { Sized, NotAvailable, Infinite, NothingToSize };
