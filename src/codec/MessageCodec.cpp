// Filled in by the codec work.
