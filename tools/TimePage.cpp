#include "tools/TimePage.h"

#include <cstdio>

namespace veltrane {

std::string MakeTimePage(const DateTimeFields& t) {
  const std::string date = DateToText(t.year, t.month, t.day);
  char clock[200];
  std::snprintf(clock, sizeof clock,
                "var nyear=%d;var nmonth=%d;var nday=%d;var nweek=%d;var nhrs=%02d;var nmin=%02d;var nsec=%02d;"
                "var nmsec=0;\n",
                t.year, t.month, t.day, t.day_of_week, t.hour, t.minute, t.second);
  // The title reads 国家授时中心 标准时间, the fourth fragment 北京时间.
  return "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\n"
         "<title>\xB9\xFA\xBC\xD2\xCA\xDA\xCA\xB1\xD6\xD0\xD0\xC4 \xB1\xEA\xD7\xBC\xCA\xB1\xBC\xE4</title>\n"
         "</head>\n<body>\n<script language=\"JavaScript\">\n"
         "document.write('<table width=\"100%\" border=\"0\"><tr><td align=\"center\">');\n"
         "document.write('" + date + "');\n"
         "document.write('</td></tr><tr><td align=\"center\">');\n"
         "document.write('\xB1\xB1\xBE\xA9\xCA\xB1\xBC\xE4');\n"
         "document.write('<span id=\"clock\">');" + clock +
         "document.write('</span></td></tr></table>');\n"
         "</script>\n</body>\n</html>\n";
}

}  // namespace veltrane
