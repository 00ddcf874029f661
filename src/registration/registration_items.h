#pragma once
// The long registration attributes of a registration input, each as the input of one item
// step (code 216): {"fd_tag":n,"value":"<Base64>"}, in the order company_name, sale_address,
// sale_location, ofd_name, fns_site. An attribute that is absent, empty, or empty up to its
// first zero byte gives no item. Texts are sent in Windows-1251.

#include <string>
#include <vector>

#include "tlv/json.h"

std::vector<std::string> registrationItems(const Json& input);
