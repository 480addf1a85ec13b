import tkinter as tk
import time
import threading
from tkinter import messagebox

class Quillform:
    def __init__(self, 启动窗口):
        self.点击记录 = False
        self.启动窗口 = 启动窗口
        self.启动窗口.title('It\'s a \\ test\nwith\ttab')
        self.启动窗口.resizable(width=False, height=False)
        screenwidth = self.启动窗口.winfo_screenwidth()
        screenheight = self.启动窗口.winfo_screenheight()
        size = '%dx%d+%d+%d' % (340, 220, (screenwidth - 340) / 2, (screenheight - 220) / 2)
        self.启动窗口.geometry(size)
        
        self.标签1_标题 = tk.StringVar()
        self.标签1_标题.set('don\'t \\ stop\nnext\nlf\rcr\x01\x7f')
        self.标签1 = tk.Label(self.启动窗口,textvariable=self.标签1_标题,anchor=tk.W, font=('O\'Font', 9))
        self.标签1.place(x=4,y=4,width=72,height=20)
        
        self.编辑框1_内容 = tk.StringVar()
        self.编辑框1_内容.set('it\'s C:\\dir\nx')
        self.编辑框1 = tk.Entry(self.启动窗口,textvariable=self.编辑框1_内容,justify=tk.LEFT, font=('微软雅黑', 9))
        self.编辑框1.place(x=4,y=30,width=120,height=20)
        
        self.编辑框2_滚动条_横 = tk.Scrollbar(self.启动窗口,orient=tk.HORIZONTAL)
        self.编辑框2_滚动条_横.place(x=4,y=122,width=150,height=18)
        self.编辑框2_滚动条_纵 = tk.Scrollbar(self.启动窗口)
        self.编辑框2_滚动条_纵.place(x=136,y=60,width=18,height=80)
        self.编辑框2 = tk.Text(self.启动窗口,yscrollcommand=self.编辑框2_滚动条_纵.set,xscrollcommand=self.编辑框2_滚动条_横.set,wrap=tk.NONE, font=('微软雅黑', 9))
        self.编辑框2_滚动条_纵.config(command=self.编辑框2.yview)
        self.编辑框2_滚动条_横.config(command=self.编辑框2.xview)
        self.编辑框2.insert(tk.END,'line \'one\'\nline \\two\\\nlf\rcr')
        self.编辑框2.place(x=4,y=60,width=132,height=62)
        
        self.按钮1_标题 = tk.StringVar()
        self.按钮1_标题.set('a\'b\\c\nd\ne\rf')
        self.按钮1 = tk.Button(self.启动窗口,textvariable=self.按钮1_标题, font=('微软雅黑', 9))
        self.按钮1.place(x=200,y=4,width=88,height=32)
        
        self.单选框选中变量 = tk.IntVar()
        self.单选框选中变量.set('单选框1')
        self.单选框1_标题 = tk.StringVar()
        self.单选框1_标题.set('r\'1\n')
        self.单选框1 = tk.Radiobutton(self.启动窗口,textvariable=self.单选框1_标题,variable=self.单选框选中变量,value='单选框1', font=('微软雅黑', 9))
        self.单选框1.place(x=187,y=50,width=64,height=20)
        
        self.复选框1_是否选中 = tk.IntVar()
        self.复选框1_是否选中.set(1)
        self.复选框1_标题 = tk.StringVar()
        self.复选框1_标题.set('c\'\\')
        self.复选框1 = tk.Checkbutton(self.启动窗口,textvariable=self.复选框1_标题,variable=self.复选框1_是否选中,onvalue=1,offvalue=0, font=('微软雅黑', 9))
        self.复选框1.place(x=187,y=80,width=64,height=20)
        
        
    def 信息框(self,标题='提示',提示内容='你好Lumbra',类型=0):
        '0普通信息框,1带确认取消信息框,2黄色警告,3红色错误,4黄色警告重试'
        if 类型 == 0:
            return messagebox.showinfo(标题,提示内容)
        elif 类型 == 1:
            return messagebox.askokcancel(标题, 提示内容)#确定返回True 取消返回False
        elif 类型 == 2:
            return messagebox.showwarning(标题, 提示内容)
        elif 类型 == 3:
            return messagebox.showerror(标题, 提示内容)
        elif 类型 == 4:
            return messagebox.askretrycancel(标题, 提示内容)#重试返回True 取消返回False

        
    
if __name__ == '__main__':
    root = tk.Tk()
    app = Quillform(root)
    root.mainloop()
    