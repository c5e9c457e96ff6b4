#include "files/JsonHeaderRecord.h"

namespace corva {

JsonCompanyBlock DefaultCompanyBlock() {
    JsonCompanyBlock block;
    block.brand = "DNM";
    block.briefingEn = "Digital signal processors for car audio";
    // "car audio digital signal processor", GB2312
    block.briefingZh =
        "\xc6\xfb\xb3\xb5\xd2\xf4\xcf\xec\xca\xfd\xd7\xd6\xd0\xc5\xba\xc5\xb4\xa6\xc0\xed\xc6\xf7";
    block.contacts = "Customer service";
    block.name = "Car audio processors";
    block.qq = "10000";
    block.tel = "000-00000000";
    block.web = "www.example.com";
    block.weixin = "DNMAUDIO";
    return block;
}

JsonCompanyBlock DefaultClientBlock() {
    JsonCompanyBlock block;
    block.brand = kJsonBrandCode;
    block.briefingEn = "Briefing";
    block.briefingZh = "\xbc\xf2\xbd\xe9";  // "briefing", GB2312
    block.contacts = "Contacts";
    block.name = "Name";
    block.qq = "QQ";
    block.tel = "TEL";
    block.web = "WEB";
    block.weixin = "WEIXIN";
    return block;
}

}  // namespace corva
