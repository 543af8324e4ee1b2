// A library under a name that no system has: whoever finds it by name found
// it where it was planted.
extern "C" __declspec(dllexport) int KiveronPlantedProbe()
{
    return 1;
}
