# bookkeeper-replay --session FILE keeps the windows' work across runs, as the
# desktop program does: a second run that only asks `screen` shows the lines
# and texts of the first; a file that cannot be read (damaged, from a later
# version, empty) is set aside beside it, reported, and never written over.
set(dir ${WORK_DIR}/session_file)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
set(file ${dir}/session.txt)

function(replay name script)
  file(WRITE ${dir}/${name}.script "${script}")
  execute_process(COMMAND ${REPLAY} --check --session ${file} INPUT_FILE ${dir}/${name}.script
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name}: bookkeeper-replay exited with ${status}: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_equal what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}:\n--- expected\n${expected}\n--- got\n${actual}")
  endif()
endfunction()

# First run: 应收账款 worked out, a text typed into a window left open.
replay(first "set Form1.Text1 代销商品
click Form1.Command1
set Form48.Text1 100
set Form48.Text2 10
set Form48.Text3 6
set Form48.Text4 0.1
click Form48.Command1
set Form48.Text1 250
")
string(REGEX MATCHALL "print Form48 [^\n]*\n" printed "${out}")
string(REPLACE "print Form48" "screen Form48" printed "${printed}")
string(REPLACE ";" "" printed "${printed}")

# Second run: only asks; the lines are back, and 确定 works on what was typed.
replay(second "screen Form48
vouchers Form48
")
expect_equal("the first run's lines" "${out}" "show Form1\n> screen Form48\n${printed}> vouchers Form48
voucher Form48 1 [发出商品] 600 600 [陆佰元整]
line Form48 1 借 [库存商品-发出商品] 600
line Form48 1 贷 [库存商品] 600
voucher Form48 2 [收到清单] 1130 1130 [壹仟壹佰叁拾元整]
line Form48 2 借 [应收账款] 1130
line Form48 2 贷 [主营业务收入] 1000
line Form48 2 贷 [应交税费-应交增值税（销项税额）] 130
voucher Form48 3 [代销商品] 600 600 [陆佰元整]
line Form48 3 借 [主营业务成本] 600
line Form48 3 贷 [库存商品-发出商品] 600
voucher Form48 4 [代销商品] 106 106 [壹佰零陆元整]
line Form48 4 借 [销售费用] 100
line Form48 4 借 [应交税费-应交增值税（进项税额）] 6
line Form48 4 贷 [应收账款] 106
voucher Form48 5 [收到货款] 1024 1024 [壹仟零贰拾肆元整]
line Form48 5 借 [银行存款] 1024
line Form48 5 贷 [应收账款] 1024
")
expect_equal("a readable file's report" "${err}" "")
replay(third "set Form1.Text1 代销商品
click Form1.Command1
click Form48.Command2
click Form48.Command1
expect Form48 库存商品-发出商品（借） 1500
")

# Files that cannot be read: each is set aside under a name no file has,
# byte for byte, and the run starts afresh and saves a readable file.
set(n 0)
foreach(content "garbage\n" "bookkeeper session 99\nend\n" "" "bookkeeper session 1\nwindow 48 0\ntext 1 12")
  math(EXPR n "${n} + 1")
  file(WRITE ${file} "${content}")
  replay(unreadable${n} "screen Form48\n")
  if(n EQUAL 1)
    set(aside ${file}.unreadable)
  else()
    set(aside ${file}.unreadable-${n})
  endif()
  expect_equal("the report on file ${n}" "${err}"
    "bookkeeper-replay: session ${file} cannot be read; set aside as ${aside}\n")
  expect_equal("a fresh start after file ${n}" "${out}" "show Form1\n> screen Form48\n")
  file(READ ${aside} kept)
  expect_equal("file ${n} set aside" "${kept}" "${content}")
  file(READ ${file} saved)
  expect_equal("the session saved after file ${n}" "${saved}" "bookkeeper session 1\nend\n")
endforeach()
