# Builds the shipped web pages: each page is the common head, its body and the common foot.
# The page of past computer-based papers is made from the statements (题面.txt) of the sample
# bank, so it follows the bank; no other field of the bank (and so no answer) is read.
# Arguments: SITE_SOURCE (this folder), BANK_SOURCE (data/bank), SITE_OUTPUT (the site folder).

file(READ ${SITE_SOURCE}/page_head.html.in head_template)
file(READ ${SITE_SOURCE}/page_foot.html foot)

function(escape_html text out_var)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\r" "" text "${text}")
  string(STRIP "${text}" text)
  # The bank marks bold runs with "**".
  string(REGEX REPLACE "\\*\\*([^*]*)\\*\\*" "<b>\\1</b>" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

function(write_page name title body)
  string(REPLACE "@PAGE_TITLE@" "${title}" head "${head_template}")
  file(WRITE ${SITE_OUTPUT}/tovo/${name}.html "${head}${body}${foot}")
endfunction()

foreach(page index:首页 ksdg:考试大纲 bsyt:考试样题 bszt:历年笔试真题)
  string(REPLACE ":" ";" parts ${page})
  list(GET parts 0 name)
  list(GET parts 1 title)
  file(READ ${SITE_SOURCE}/tovo/${name}.body.html body)
  write_page(${name} ${title} "${body}")
endforeach()

set(item_labels "一、1 基本操作题（15分）" "一、2 基本操作题（15分）" "二、1 简单应用题（20分）"
  "二、2 简单应用题（20分）" "三 综合应用题（30分）")
set(body "<p>本页收录本系统题库中每一套上机试题的题目，可用来熟悉题型、提前构思。答案请在考试后由“答案及评析”窗口生成。</p>\n")
file(GLOB sets LIST_DIRECTORIES true ${BANK_SOURCE}/set*)
list(SORT sets)
foreach(set_dir IN LISTS sets)
  if(NOT IS_DIRECTORY ${set_dir})
    continue()
  endif()
  get_filename_component(set_name ${set_dir} NAME)
  string(REGEX REPLACE "^set0*" "" set_no ${set_name})
  string(APPEND body "<h2 id=\"${set_name}\">第${set_no}套</h2>\n")
  foreach(item RANGE 1 5)
    set(statement_file ${set_dir}/item${item}/题面.txt)
    if(NOT EXISTS ${statement_file})
      continue()
    endif()
    file(READ ${statement_file} statement)
    escape_html("${statement}" statement)
    math(EXPR label_index "${item} - 1")
    list(GET item_labels ${label_index} label)
    string(APPEND body "<h3>${label}</h3>\n<div class=\"q\">${statement}</div>\n")
  endforeach()
endforeach()
write_page(soft 历年上机真题 "${body}")
