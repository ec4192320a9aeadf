#include "profiles/ProfileCatalogue.h"

namespace baricor {

const Profile* FindProfile(std::string_view name) {
    for (const ProfileFamily& family : ProfileFamilies()) {
        for (const Profile& profile : family) {
            if (name == profile.name) return &profile;
        }
    }
    return nullptr;
}

}  // namespace baricor
